"""GRAFIDA's descriptors on a Dask cluster.

``grafida.dask.indices(paths)`` gives a Dask DataFrame with the columns of
``grafida.indices``; its partitions are computed on the workers, which need
grafida installed and the files at the same paths (a shared file system).
"""

from __future__ import annotations

import os
from typing import Iterable, Optional, Sequence, Union

from . import _grafida, _frame, _warn

# Molecules per partition when a list of files is split.
DEFAULT_PARTITION_SIZE = 100


def _meta(columns: Optional[list]):
    """An empty frame with the columns and dtypes of every partition, from one small molecule."""
    names, rows, _ = _grafida._index_rows([_grafida._from_smiles("CC", None, False)], columns, 1, None, False)
    return _frame(names, rows).iloc[:0]


def _partition(items: list, columns: Optional[list], with_3d: bool, meta):
    names, rows, skipped = _grafida._index_rows(items, columns, 1, None, with_3d)
    _warn(skipped)
    return _frame(names, rows).astype(meta.dtypes.to_dict())


def _smiles_partition(lines: Sequence[str], number: int, columns: Optional[list], with_3d: bool, meta):
    molecules = []
    for k, line in enumerate(lines, start=1):
        line = line.strip()
        if not line or line.startswith("#"):
            continue
        fields = line.split(None, 1)
        name = fields[1] if len(fields) > 1 else f"smiles-{number}-{k}"
        try:
            molecules.append(_grafida._from_smiles(fields[0], name, with_3d))
        except _grafida.Error as error:
            _warn([f"{name}: {error}"])
    return _partition(molecules, columns, with_3d, meta)


def indices(
    paths_or_bag: Union[str, os.PathLike, Iterable[Union[str, os.PathLike]], "dask.bag.Bag"],
    client=None,
    *,
    columns: Optional[Sequence[str]] = None,
    with_3d: bool = True,
    partition_size: int = DEFAULT_PARTITION_SIZE,
):
    """The topological indices of many molecules as a Dask DataFrame.

    paths_or_bag: molecule files (every format grafida.read takes), expanded here
    into their molecules exactly as grafida-cli does (so names and rows equal
    grafida.indices over the same files) and cut into partitions of
    partition_size molecules; or a dask.bag.Bag of SMILES lines (an optional
    title after a blank names the molecule; untitled lines are named
    smiles-<partition>-<line>). client: a distributed.Client to compute on (None:
    Dask's current scheduler). Call .compute() on the result, or keep working
    lazily.
    """
    import dask
    import dask.bag
    import dask.dataframe

    chosen = list(columns) if columns is not None else None
    meta = _meta(chosen)
    if isinstance(paths_or_bag, dask.bag.Bag):
        parts = [dask.delayed(_smiles_partition)(part, number, chosen, with_3d, meta)
                 for number, part in enumerate(paths_or_bag.to_delayed(), start=1)]
    else:
        if isinstance(paths_or_bag, (str, os.PathLike)):
            paths_or_bag = [paths_or_bag]
        inputs = _grafida._expand([os.fspath(path) for path in paths_or_bag])
        size = max(1, int(partition_size))
        parts = [dask.delayed(_partition)(inputs[start:start + size], chosen, with_3d, meta)
                 for start in range(0, len(inputs), size)]
    if not parts:
        return dask.dataframe.from_pandas(meta, npartitions=1)
    frame = dask.dataframe.from_delayed(parts, meta=meta)
    if client is not None:
        frame = client.persist(frame)
    return frame
