#!/usr/bin/python3
"""The comparison for grafida-cli indices: RDKit and NumPy over the same molecules.

rdkit_indices.py FILE.smi parses each SMILES, builds the distance matrix, and
computes the Wiener index, Chi1 (the Randic index) and the adjacency eigenvalues,
printing one CSV row per molecule. The time of the loop alone (after Python and the
libraries have started) goes to standard error as "loop: S s cpu, M ms per molecule".
Needs python3-rdkit and python3-numpy.
"""
import sys
import time

import numpy
from rdkit import Chem, RDLogger
from rdkit.Chem import GraphDescriptors

RDLogger.DisableLog("rdApp.*")


def main():
    with open(sys.argv[1]) as smi:
        rows = [line.split() for line in smi if line.strip()]
    out = ["molecule,vertices,edges,randic,wiener,ad_eig_max,ad_eig_min"]
    start = time.process_time()
    for smiles, name in rows:
        mol = Chem.MolFromSmiles(smiles)
        distance = Chem.GetDistanceMatrix(mol)
        wiener = distance.sum() / 2
        chi1 = GraphDescriptors.Chi1(mol)
        eigenvalues = numpy.linalg.eigvalsh(Chem.GetAdjacencyMatrix(mol).astype(float))
        out.append(f"{name},{mol.GetNumAtoms()},{mol.GetNumBonds()},{chi1:.10g},{wiener:.10g},"
                   f"{eigenvalues[-1]:.10g},{eigenvalues[0]:.10g}")
    spent = time.process_time() - start
    sys.stdout.write("\n".join(out) + "\n")
    sys.stderr.write(f"loop: {spent:.3f} s cpu, {1000 * spent / max(1, len(rows)):.4f} ms per molecule\n")


if __name__ == "__main__":
    main()
