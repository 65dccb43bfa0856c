import pytest

import grafida
from conftest import REFERENCE_SMILES


@pytest.mark.parametrize("name, content, message", [
    ("missing.sdf", None, "Can not read molecule file .*missing.sdf"),
    ("empty.smi", "", "Can not read molecule file .*empty.smi: it holds no molecule"),
    ("broken.hin", "this is not a HyperChem file\n", "broken.hin"),
    ("bad.smi", "C1CC\n", "Can not read record 1 of .*bad.smi"),
])
def test_a_bad_file_raises_the_readers_message(tmp_path, name, content, message):
    path = tmp_path / name
    if content is not None:
        path.write_text(content)
    with pytest.raises(grafida.Error, match=message):
        grafida.read(path)


def test_bad_records_are_skipped_with_a_warning(tmp_path):
    path = tmp_path / "mixed.smi"
    path.write_text("CCO ethanol\nC1CC broken\nc1ccccc1 benzene\n")
    with pytest.warns(grafida.GrafidaWarning, match="record 2"):
        molecules = grafida.read(path)
    assert [m.name for m in molecules] == ["ethanol", "benzene"]


def test_from_smiles():
    molecule = grafida.from_smiles("c1ccncc1", name="pyridine")
    assert molecule.name == "pyridine" and molecule.elements.count("N") == 1
    assert grafida.from_smiles("CCO ethanol").name == "ethanol"
    with pytest.raises(grafida.Error, match="Can not read record 1"):
        grafida.from_smiles("C1CC")


def test_every_reference_smiles_reads():
    molecules = grafida.read(REFERENCE_SMILES, with_3d=False)
    assert len(molecules) == len(REFERENCE_SMILES.read_text().splitlines())
