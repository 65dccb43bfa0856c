import numpy
import pytest

import grafida
from conftest import SAMPLES, parse_matrix_text

BASIC_CODES = ["AD", "CON", "DI", "D3D", "DE", "CjDi", "CjDe", "CFDi", "CFDe"]


@pytest.mark.parametrize("sample", SAMPLES, ids=lambda path: path.stem)
def test_basic_matrices_equal_the_cli_output(cli, sample):
    expected = parse_matrix_text(cli("matrices", "--width", "0", "--decimals", "10", "--quiet", sample))
    (molecule,) = grafida.read(sample)
    for code in BASIC_CODES:
        matrix = molecule.matrix(code)
        assert matrix.dtype == numpy.float64 and matrix.flags.c_contiguous
        numpy.testing.assert_allclose(matrix, expected[f"{molecule.name}_{code}"], rtol=0, atol=1e-9,
                                      err_msg=code)


def test_matrices_of_a_smiles_equal_the_cli_output_of_its_file(cli, tmp_path):
    smiles = tmp_path / "two.smi"
    smiles.write_text("CC(=O)Oc1ccccc1C(=O)O aspirin\nC1CCC2CCCCC2C1\n")
    expected = parse_matrix_text(cli("matrices", "--width", "0", "--decimals", "10", "--quiet", smiles))
    molecules = grafida.read(smiles)
    assert [m.name for m in molecules] == ["aspirin", "two-2"]
    for molecule in molecules:
        for code in BASIC_CODES:
            numpy.testing.assert_allclose(molecule.matrix(code), expected[f"{molecule.name}_{code}"], atol=1e-9)


def test_graph_of_a_molecule():
    (molecule,) = grafida.read(next(path for path in SAMPLES if path.stem == "ethanol"))
    assert molecule.elements == ["C", "C", "O"]
    assert molecule.hydrogens.tolist() == [3, 2, 1]
    assert sorted((a, b) for a, b, _ in molecule.bonds) == [(0, 1), (1, 2)]
    assert molecule.coordinates.shape == (3, 3)
    assert "atomic mass" in molecule.properties
    unembedded = grafida.from_smiles("CCO", with_3d=False)
    assert numpy.isnan(unembedded.coordinates).all()


def benzene():
    (molecule,) = grafida.read(next(path for path in SAMPLES if path.stem == "benzene"))
    return molecule


# Benzene's distance matrix: every atom has 2 neighbours at 1, 2 at 2 and one at 3.
@pytest.mark.parametrize("code, options, expected_row", [
    ("Comb", {}, [0, 1, 3, 6, 3, 1]),                      # d(d + 1)/2 of the distances
    ("LM", {}, [1, 2, 2, 1]),                              # unit weights per distance shell
    ("LM", {"of": "AD", "property": "Row sum"}, [2, 4, 4, 2]),
    ("Sh", {}, [1, 2, 4, 3]),                              # distance sums per shell
    ("W", {"steps": 1}, [2, 1, 0, 0, 0, 1]),               # degree on the diagonal
    ("W", {"steps": 2, "property": "atomic mass"}, [4 * 12.011, 1, 0, 0, 0, 1]),
])
def test_derived_matrices(code, options, expected_row):
    matrix = benzene().matrix(code, **options)
    numpy.testing.assert_allclose(matrix[0], expected_row, rtol=1e-4)
    # Every atom of the ring sees the same: square matrices turn with the ring, the
    # others have equal rows.
    turned = numpy.roll(numpy.roll(matrix, 1, 0), 1, 1) if code in ("Comb", "W") else matrix[[1, 2, 3, 4, 5, 0]]
    numpy.testing.assert_allclose(matrix, turned, atol=1e-9)


def test_walk_operator_has_an_empty_diagonal_and_the_molecules_size():
    matrix = benzene().matrix("WO", of="AD", m2="DI", m3="AD")
    assert matrix.shape == (6, 6) and not matrix.diagonal().any()


@pytest.mark.parametrize("call, error, text", [
    (lambda m: m.matrix("XYZ"), ValueError, "Unknown matrix code XYZ"),
    (lambda m: m.matrix("W", property="charge"), grafida.Error, "W matrix need charge"),
    (lambda m: m.matrix("LM", property="charge"), grafida.Error, "Layer matrix need charge"),
    (lambda m: m.matrix("W", of="LM"), grafida.Error, "Unknown matrix code LM"),
])
def test_matrix_errors_carry_the_programs_message(call, error, text):
    with pytest.raises(error, match=text):
        call(benzene())


def test_molecules_pickle():
    import pickle

    molecule = benzene()
    copy = pickle.loads(pickle.dumps(molecule))
    assert copy.name == molecule.name
    numpy.testing.assert_array_equal(copy.matrix("DE"), molecule.matrix("DE"))
