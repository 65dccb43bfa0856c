#!/usr/bin/python3
"""Timing script (not a test): grafida.indices against grafida-cli indices, and a
Dask LocalCluster with 2 worker processes against one with 1.

    PYTHONPATH=build/python bench/python/indices_speed.py build/bin/grafida-cli [molecules.smi]

Defaults to bench/data/drug-like.smi (1000 SMILES). Each case runs REPEAT times
(default 3); the best time counts. JOBS (default 2) threads / processes.
"""

import os
import subprocess
import sys
import time
import warnings
from pathlib import Path

import grafida
import grafida.dask

REPEAT = int(os.environ.get("REPEAT", "3"))
JOBS = int(os.environ.get("JOBS", "2"))


def best(run):
    times = []
    for _ in range(REPEAT):
        started = time.perf_counter()
        run()
        times.append(time.perf_counter() - started)
    return min(times)


def load():
    return os.getloadavg()[0]


def cli_vs_module(cli, molecules, with_3d):
    options = [] if with_3d else ["--no-3d"]
    command = [cli, "indices", "--jobs", str(JOBS), "--quiet", *options, str(molecules)]
    cli_time = best(lambda: subprocess.run(command, check=True, stdout=subprocess.DEVNULL,
                                           stderr=subprocess.DEVNULL))
    with warnings.catch_warnings():
        warnings.simplefilter("ignore")
        module_time = best(lambda: grafida.indices(molecules, jobs=JOBS, with_3d=with_3d))
    label = "3D" if with_3d else "no 3D"
    print(f"indices, {label}, jobs {JOBS}: grafida-cli {cli_time:.2f} s, grafida.indices {module_time:.2f} s "
          f"({100 * (module_time / cli_time - 1):+.1f} %), load {load():.1f}")


def cluster_time(molecules, workers, with_3d):
    import distributed

    with distributed.LocalCluster(n_workers=workers, threads_per_worker=1, processes=True, host="127.0.0.1",
                                  dashboard_address="127.0.0.1:0", scheduler_kwargs={"dashboard": False},
                                  silence_logs=40) as cluster, distributed.Client(cluster) as client:
        # The workers load the module before the clock starts, and keep the notes of
        # molecules without 3D coordinates to themselves.
        client.run(lambda: __import__("grafida") and warnings.simplefilter("ignore"))
        with warnings.catch_warnings():
            warnings.simplefilter("ignore")
            return best(lambda: grafida.dask.indices(molecules, with_3d=with_3d, partition_size=50)
                        .compute(scheduler=client))


def main():
    cli = sys.argv[1] if len(sys.argv) > 1 else "build/bin/grafida-cli"
    molecules = Path(sys.argv[2] if len(sys.argv) > 2 else Path(__file__).parents[1] / "data" / "drug-like.smi")
    print(f"{molecules}, {os.cpu_count()} cores, load {load():.1f}")
    for with_3d in (True, False):
        cli_vs_module(cli, molecules, with_3d)
    for with_3d in (True, False):
        one = cluster_time(molecules, 1, with_3d)
        two = cluster_time(molecules, 2, with_3d)
        label = "3D" if with_3d else "no 3D"
        print(f"dask LocalCluster, {label}: 1 worker {one:.2f} s, 2 workers {two:.2f} s "
              f"(speed-up {one / two:.2f}x), load {load():.1f}")


if __name__ == "__main__":
    main()
