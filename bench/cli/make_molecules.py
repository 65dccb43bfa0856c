#!/usr/bin/python3
"""Writes a reproducible set of drug-like molecules for the grafida-cli benchmark.

make_molecules.py COUNT FOLDER writes FOLDER/molecules.smi (one SMILES and name a
line) and the same molecules as FOLDER/hin/<name>.hin with hydrogens and 2D
coordinates. Molecules are grown from ring systems, linkers and substituents found
in medicinal chemistry, 15 to 40 heavy atoms, each one different. Needs python3-rdkit.
"""
import os
import random
import sys

from rdkit import Chem, RDLogger
from rdkit.Chem import AllChem

RDLogger.DisableLog("rdApp.*")

RINGS = [
    "c1ccccc1", "c1ccncc1", "c1ccoc1", "c1ccsc1", "c1cc[nH]c1", "c1cnc[nH]1", "C1CCNCC1",
    "C1CNCCN1", "C1COCCN1", "C1CCCCC1", "C1CCCC1", "c1ccc2ccccc2c1", "c1ccc2[nH]ccc2c1",
    "c1ccc2ncccc2c1", "c1cnc2ccccc2n1", "O=C1CCCN1", "c1ncncn1", "c1cn[nH]c1", "C1CC1",
    "c1ccc2c(c1)OCO2", "O=c1cc[nH]c(=O)[nH]1",
]
LINKERS = ["C", "CC", "C(=O)N", "NC(=O)", "O", "S(=O)(=O)N", "CO", "N", "C=C", "CCN", "C(=O)", "OCC"]
SUBSTITUENTS = [
    "F", "Cl", "Br", "C", "OC", "C(F)(F)F", "N", "O", "C#N", "C(=O)O", "N(C)C", "CC", "C(C)C",
    "S(C)(=O)=O", "C(N)=O", "[N+](=O)[O-]", "OC(F)(F)F", "C(C)(C)C",
]


def attach(mol, fragment, rng):
    """Joins fragment to mol by a single bond between two atoms that carry hydrogens."""
    sites = [a.GetIdx() for a in mol.GetAtoms() if a.GetTotalNumHs() > 0]
    ends = [a.GetIdx() for a in fragment.GetAtoms() if a.GetTotalNumHs() > 0]
    if not sites or not ends:
        return None
    combined = Chem.RWMol(Chem.CombineMols(mol, fragment))
    a = rng.choice(sites)
    b = mol.GetNumAtoms() + rng.choice(ends)
    combined.AddBond(a, b, Chem.BondType.SINGLE)
    for index in (a, b):
        atom = combined.GetAtomWithIdx(index)
        atom.SetNoImplicit(False)
        atom.SetNumExplicitHs(max(0, atom.GetNumExplicitHs() - 1))
    try:
        result = combined.GetMol()
        Chem.SanitizeMol(result)
        return result
    except Exception:
        return None


def grow(rng):
    target = rng.randint(15, 40)
    mol = Chem.MolFromSmiles(rng.choice(RINGS))
    for _ in range(40):
        if mol.GetNumAtoms() >= target:
            break
        roll = rng.random()
        source = RINGS if roll < 0.35 else LINKERS if roll < 0.6 else SUBSTITUENTS
        grown = attach(mol, Chem.MolFromSmiles(rng.choice(source)), rng)
        if grown is not None and grown.GetNumAtoms() <= 40:
            mol = grown
    return mol if 15 <= mol.GetNumAtoms() <= 40 else None


def bond_letter(bond):
    if bond.GetIsAromatic():
        return "a"
    return {Chem.BondType.SINGLE: "s", Chem.BondType.DOUBLE: "d", Chem.BondType.TRIPLE: "t"}.get(
        bond.GetBondType(), "s")


def hin_text(mol, name):
    """HyperChem's layout: atoms numbered 1, 2, ... in file order, each with its neighbours."""
    lines = ["forcefield mm+", "sys 0 0 1", f'mol 1 "{name}"']
    positions = mol.GetConformer().GetPositions()
    for atom in mol.GetAtoms():
        x, y, z = positions[atom.GetIdx()]
        neighbours = " ".join(
            f"{b.GetOtherAtomIdx(atom.GetIdx()) + 1} {bond_letter(b)}" for b in atom.GetBonds())
        symbol = atom.GetSymbol()
        kind = "**"
        lines.append(f"atom {atom.GetIdx() + 1} - {symbol} {kind} - {atom.GetFormalCharge()} "
                     f"{x:.5f} {y:.5f} {z:.5f} {atom.GetDegree()} {neighbours}")
    lines.append("endmol 1")
    return "\r\n".join(lines) + "\r\n"


def main():
    count, folder = int(sys.argv[1]), sys.argv[2]
    os.makedirs(os.path.join(folder, "hin"), exist_ok=True)
    rng = random.Random(17)
    seen = set()
    rows = []
    while len(rows) < count:
        mol = grow(rng)
        if mol is None:
            continue
        smiles = Chem.MolToSmiles(mol)
        if smiles in seen:
            continue
        seen.add(smiles)
        name = f"m{len(rows) + 1:05d}"
        with_h = Chem.AddHs(mol)
        AllChem.Compute2DCoords(with_h)
        with open(os.path.join(folder, "hin", name + ".hin"), "w", newline="") as hin:
            hin.write(hin_text(with_h, name))
        rows.append(f"{smiles} {name}")
    with open(os.path.join(folder, "molecules.smi"), "w") as smi:
        smi.write("\n".join(rows) + "\n")


if __name__ == "__main__":
    main()
