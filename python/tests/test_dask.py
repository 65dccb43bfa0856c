import warnings

import pytest

import grafida
import grafida.dask
from conftest import DRUG_LIKE, SAMPLES
from test_indices import assert_frames_equal

distributed = pytest.importorskip("distributed")
dask_bag = pytest.importorskip("dask.bag")


@pytest.fixture(scope="module")
def client():
    """Two worker processes on this machine, on the loopback only. The scheduler's HTTP
    server always starts; a free port keeps two runs from meeting."""
    with distributed.LocalCluster(n_workers=2, threads_per_worker=1, processes=True, host="127.0.0.1",
                                  dashboard_address="127.0.0.1:0", scheduler_kwargs={"dashboard": False},
                                  silence_logs=40) as cluster:
        with distributed.Client(cluster) as client:
            yield client


@pytest.fixture(scope="module")
def molecules(tmp_path_factory):
    """About 200 molecules: 195 drug-like SMILES and the samples."""
    path = tmp_path_factory.mktemp("dask") / "drug-like-195.smi"
    path.write_text("\n".join(DRUG_LIKE.read_text().splitlines()[:195]) + "\n")
    return [path, *SAMPLES]


def test_a_local_cluster_equals_one_process(client, molecules):
    expected = grafida.indices(molecules, with_3d=False)
    frame = grafida.dask.indices(molecules, client, with_3d=False, partition_size=25)
    assert frame.npartitions == 9
    assert list(frame.columns) == grafida.index_columns()
    got = frame.compute().reset_index(drop=True)
    assert got.dtypes.to_dict() == frame.dtypes.to_dict() == expected.dtypes.to_dict()
    assert len(got) == 195 + len(SAMPLES)
    assert_frames_equal(got, expected)


def test_a_bag_of_smiles_lines(client):
    lines = ["CCO ethanol", "c1ccccc1 benzene", "C1CC broken", "CC(=O)O"]
    bag = dask_bag.from_sequence(lines, npartitions=2)
    with warnings.catch_warnings():
        warnings.simplefilter("ignore")
        got = grafida.dask.indices(bag, client, with_3d=False).compute().reset_index(drop=True)
    assert list(got["molecule"]) == ["ethanol", "benzene", "smiles-2-2"]
    expected = grafida.indices([grafida.from_smiles(line, with_3d=False) for line in ("CCO ethanol", "c1ccccc1 benzene")],
                               with_3d=False)
    assert_frames_equal(got.iloc[:2].reset_index(drop=True), expected)
