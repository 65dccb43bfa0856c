#!/usr/bin/env python3
"""Writes bench/data/drug-like.smi: 1000 drug-like SMILES, one "SMILES NAME" per line.

They are made here, not taken from a database: medicinal-chemistry cores with two
open positions, filled from lists of common substituents and amines, give molecules
of 15 to 40 heavy atoms with one to four rings, amides, sulfonamides, ethers and
heteroaromatics, as in a screening library. The order is fixed, so the file is the
same on every run.
"""
import itertools
import pathlib
import random

# Cores use ring digits 1 to 4, substituents 5 to 9, so a substituent never closes
# a ring the core still holds open.
CORES = [
    "c1ccc({0})cc1C(=O)N{1}",
    "c1cc({0})ncc1C(=O)N{1}",
    "c1ccc2c(c1)c({0})cn2C{1}",
    "O=C(N{1})c1cc({0})sc1",
    "c1cc({0})ccc1S(=O)(=O)N{1}",
    "c1cnc(N{1})nc1{0}",
    "C1CN(CCN1{1})c1ccc({0})cc1",
    "c1ccc({0})cc1OCC(=O)N{1}",
    "c1ccc2ncc({0})c(N{1})c2c1",
    "O=C1N({1})CCc2cc({0})ccc21",
    "c1ccc(cc1)C(=O)Nc1cc({0})ccc1C{1}",
    "c1cc({0})oc1CN{1}",
    "Cc1nc({0})sc1C(=O)N{1}",
    "c1ccc({0})cc1-c1nnc(C{1})o1",
    "c1ccc({0})cc1NC(=O)C1CCN({1})CC1",
]
SUBSTITUENTS = [
    "F", "Cl", "Br", "C", "OC", "C(F)(F)F", "OC(F)(F)F", "C#N", "N(C)C", "CC",
    "C5CC5", "N5CCOCC5", "N5CCCC5", "c5ccccc5", "S(C)(=O)=O", "C(=O)OC", "O", "NC(C)=O",
]
AMINES = [
    "C", "CC", "CCO", "CC(C)C", "C5CCCCC5", "Cc5ccccc5", "CCN(C)C", "c5ccc(F)cc5",
    "C5CCOCC5", "CCc5ccncc5", "C(C)C(=O)O", "CC#C", "c5ccc6ccccc6c5", "CCCN5CCCC5",
]


def main():
    molecules = [core.format(s, a) for core, s, a in itertools.product(CORES, SUBSTITUENTS, AMINES)]
    random.Random(16).shuffle(molecules)
    lines = [f"{smiles} drug-like-{k + 1}" for k, smiles in enumerate(molecules[:1000])]
    path = pathlib.Path(__file__).parent / "data" / "drug-like.smi"
    path.write_text("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
