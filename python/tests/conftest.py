"""What the tests of the grafida module share: grafida-cli to compare with, and the files."""

import os
import subprocess
from pathlib import Path

import numpy
import pytest

SOURCE_DIR = Path(os.environ.get("GRAFIDA_SOURCE_DIR", Path(__file__).resolve().parents[2]))
SAMPLES = sorted((SOURCE_DIR / "data" / "samples").glob("*.hin"))
REFERENCE_SMILES = SOURCE_DIR / "tests" / "data" / "reference-topology" / "smiles.smi"
REFERENCE_SDF = sorted((SOURCE_DIR / "tests" / "data" / "reference-topology" / "sdf").glob("*.sdf"))
SLOW_MOLECULE = SOURCE_DIR / "tests" / "data" / "slow" / "random-cubic-64.hin"
DRUG_LIKE = SOURCE_DIR / "bench" / "data" / "drug-like.smi"


@pytest.fixture(scope="session")
def quick_smiles(tmp_path_factory):
    """The reference SMILES without the fullerene, whose 3D embedding alone takes seconds."""
    path = tmp_path_factory.mktemp("smiles") / "reference.smi"
    lines = [line for line in REFERENCE_SMILES.read_text().splitlines() if "buckminsterfullerene" not in line]
    path.write_text("\n".join(lines) + "\n")
    return path


@pytest.fixture(scope="session")
def cli():
    """Runs grafida-cli with arguments and gives its standard output."""
    program = os.environ.get("GRAFIDA_CLI")
    if not program:
        pytest.skip("GRAFIDA_CLI names no grafida-cli (ctest sets it)")

    def run(*arguments):
        done = subprocess.run([program, *map(str, arguments)], capture_output=True, text=True,
                              env={**os.environ, "LC_ALL": "de_DE.UTF-8"})
        return done.stdout

    return run


def parse_matrix_text(text):
    """The matrices of .M text ($TFLOATARRAY, name, rows cols, rows of numbers) by name."""
    lines = text.splitlines()
    matrices = {}
    k = 0
    while k < len(lines):
        if lines[k].strip() != "$TFLOATARRAY":
            k += 1
            continue
        name = lines[k + 1].strip()
        rows, cols = map(int, lines[k + 2].split())
        values = [list(map(float, lines[k + 3 + i].split())) for i in range(rows)]
        matrices[name] = numpy.array(values, dtype=float).reshape(rows, cols)
        k += 3 + rows
    return matrices
