import io
import math
import signal
import threading
import time
from concurrent.futures import ThreadPoolExecutor

import pandas
import pytest

import grafida
from conftest import REFERENCE_SDF, SAMPLES, SLOW_MOLECULE


@pytest.fixture(scope="module")
def inputs(quick_smiles):
    return [*SAMPLES, quick_smiles, *REFERENCE_SDF[:5]]


def assert_frames_equal(got, expected):
    """Equal names and cells; numbers to the 10 digits the CLI writes."""
    assert list(got.columns) == list(expected.columns)
    assert len(got) == len(expected)
    for column in got.columns:
        for a, b in zip(got[column], expected[column]):
            if isinstance(b, str) or isinstance(a, str):
                assert a == b, column
            elif pandas.isna(b):
                assert pandas.isna(a), column
            else:
                assert math.isclose(a, b, rel_tol=1e-9, abs_tol=1e-12), (column, a, b)


@pytest.mark.parametrize("with_3d", [True, False])
def test_indices_equal_the_cli_csv(cli, inputs, with_3d):
    arguments = ["indices", "--jobs", "2", "--quiet", *inputs] + ([] if with_3d else ["--no-3d"])
    expected = pandas.read_csv(io.StringIO(cli(*arguments)))
    got = grafida.indices(inputs, jobs=2, with_3d=with_3d)
    assert_frames_equal(got, expected)
    assert list(got.columns) == grafida.index_columns()


def test_molecules_and_paths_give_the_same_rows():
    molecules = [m for path in SAMPLES for m in grafida.read(path)]
    assert_frames_equal(grafida.indices(molecules, jobs=1), grafida.indices(SAMPLES, jobs=3))


def test_a_thread_pool_gives_identical_results(inputs):
    expected = grafida.indices(inputs, jobs=1)
    with ThreadPoolExecutor(4) as pool:
        frames = list(pool.map(lambda _: grafida.indices(inputs, jobs=2), range(4)))
        matrices = list(pool.map(lambda path: grafida.read(path)[0].matrix("CFDe").tolist(), SAMPLES * 3))
    for frame in frames:
        pandas.testing.assert_frame_equal(frame, expected)
    singles = [grafida.read(path)[0].matrix("CFDe").tolist() for path in SAMPLES] * 3
    assert matrices == singles


def test_a_molecule_out_of_time_is_skipped_with_a_warning():
    started = time.monotonic()
    with pytest.warns(grafida.GrafidaWarning, match="random-cubic-64 took longer than 0.3 s and was skipped"):
        frame = grafida.indices([SLOW_MOLECULE, SAMPLES[0]], jobs=2, timeout=0.3)
    assert time.monotonic() - started < 3
    assert list(frame["molecule"]) == [SAMPLES[0].stem]


def test_ctrl_c_stops_a_computation():
    main = threading.get_ident()
    timer = threading.Timer(0.3, lambda: signal.pthread_kill(main, signal.SIGINT))
    started = time.monotonic()
    timer.start()
    with pytest.raises(KeyboardInterrupt):
        grafida.indices([SLOW_MOLECULE], jobs=1)
    assert time.monotonic() - started < 3
    # The module stays usable.
    assert len(grafida.indices(SAMPLES[:1])) == 1


def test_a_bad_file_raises_and_bad_records_warn(tmp_path):
    with pytest.raises(grafida.Error, match="Can not read molecule file .*missing.sdf"):
        grafida.indices([SAMPLES[0], tmp_path / "missing.sdf"])
    mixed = tmp_path / "mixed.smi"
    mixed.write_text("CCO\nC1CC\n")
    with pytest.warns(grafida.GrafidaWarning, match="mixed.smi record 2: Can not read record 2"):
        frame = grafida.indices(mixed)
    assert list(frame["molecule"]) == ["mixed-1"]


def test_wrong_arguments():
    with pytest.raises(TypeError):
        grafida.indices([42])
    with pytest.raises(ValueError):
        grafida.indices(SAMPLES[:1], timeout=0)


def test_a_german_locale_changes_nothing(inputs):
    import locale

    expected = grafida.indices(inputs[:3])
    previous = locale.setlocale(locale.LC_ALL)
    try:
        locale.setlocale(locale.LC_ALL, "de_DE.UTF-8")
    except locale.Error:
        pytest.skip("no de_DE.UTF-8 locale")
    try:
        got = grafida.indices(inputs[:3])
    finally:
        locale.setlocale(locale.LC_ALL, previous)
    pandas.testing.assert_frame_equal(got, expected)


def test_chosen_columns_equal_the_cli_with_indices(cli, inputs):
    chosen = ["wiener", "ad_poly", "randic"]
    expected = pandas.read_csv(io.StringIO(cli("indices", "--quiet", "--indices", ",".join(chosen), *inputs)))
    with pytest.warns(grafida.GrafidaWarning, match="ethene-water: wiener left empty"):
        got = grafida.indices(inputs, columns=chosen)
    assert_frames_equal(got, expected)
    assert list(got.columns) == grafida.index_columns(chosen)
    with pytest.raises(grafida.Error, match="Unknown index bogus"):
        grafida.indices(inputs, columns=["wiener", "bogus"])
