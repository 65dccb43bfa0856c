"""GRAFIDA's molecules, matrices and topological descriptors for Python.

Three lines give NumPy matrices and a DataFrame of descriptors::

    import grafida
    molecules = grafida.read("molecules.sdf")
    table = grafida.indices(molecules)

The computations run in the compiled core with the GIL released; Ctrl+C stops
them (KeyboardInterrupt). Failures raise grafida.Error with the program's own
message; molecules skipped inside a batch are named in a GrafidaWarning.
"""

from __future__ import annotations

import os
import warnings
from typing import Iterable, Optional, Sequence, Union

from ._grafida import Error, Molecule, index_columns
from . import _grafida

__all__ = ["Error", "GrafidaWarning", "Molecule", "read", "from_smiles", "indices", "index_columns"]

Error.__module__ = Molecule.__module__ = __name__

# The element data files (MASS.DAT, ELNEG.DAT) lie beside the module.
_grafida._set_data_dir(os.path.dirname(os.path.abspath(__file__)))


class GrafidaWarning(UserWarning):
    """A molecule of a batch was skipped or some of its descriptors left empty."""


PathLike = Union[str, "os.PathLike[str]"]


def _warn(messages: Sequence[str]) -> None:
    for message in messages:
        warnings.warn(message, GrafidaWarning, stacklevel=3)


def read(path: PathLike, *, with_3d: bool = True, jobs: Optional[int] = None) -> list[Molecule]:
    """The molecules of a file: .hin, .sdf, .mol, .mol2, .smi or .smiles.

    Records are named as grafida-cli names them. SMILES get a 3D embedding
    (fixed seed) unless with_3d is False; jobs threads read the records (None:
    one per core). Records that cannot be read are skipped with a
    GrafidaWarning; a file that yields no molecule raises grafida.Error.
    """
    molecules, skipped = _grafida._read(os.fspath(path), with_3d, jobs)
    _warn(skipped)
    return molecules


def from_smiles(smiles: str, name: Optional[str] = None, *, with_3d: bool = True) -> Molecule:
    """The molecule of one SMILES, named name, else by a title after a blank, else by the SMILES.

    Raises grafida.Error with RDKit's reason when it cannot be read.
    """
    return _grafida._from_smiles(smiles, name, with_3d)


def _items(molecules_or_paths) -> list:
    if isinstance(molecules_or_paths, (str, os.PathLike, Molecule)):
        molecules_or_paths = [molecules_or_paths]
    items = []
    for item in molecules_or_paths:
        if isinstance(item, (Molecule, _grafida._Input)):
            items.append(item)
        elif isinstance(item, (str, os.PathLike)):
            items.append(os.fspath(item))
        else:
            raise TypeError(f"indices takes molecules and file paths, not {type(item).__name__}")
    return items


def _frame(names: list[str], rows: list[list]):
    """The table as a DataFrame: "molecule" as text, every column of numbers as float64
    (counts too, so that an empty cell is NaN and every batch has the same dtypes)."""
    import pandas

    frame = pandas.DataFrame.from_records(rows, columns=names) if rows else pandas.DataFrame(
        {name: pandas.Series(dtype=object) for name in names})
    for name in names[1:]:
        try:
            frame[name] = pandas.to_numeric(frame[name], errors="raise").astype("float64")
        except (TypeError, ValueError):
            pass
    return frame


def indices(
    molecules_or_paths: Union[Molecule, PathLike, Iterable[Union[Molecule, PathLike]]],
    columns: Optional[Sequence[str]] = None,
    jobs: Optional[int] = None,
    timeout: Optional[float] = None,
    *,
    with_3d: bool = True,
):
    """The topological indices as a pandas.DataFrame, one row per molecule.

    Same columns and values as ``grafida-cli indices``: columns names the
    indices (None: the CLI's default columns; "molecule" always comes first).
    Files are read as the CLI reads them. jobs threads compute (None: one per
    core); timeout limits each molecule in seconds (checked where the computation
    can stop; RDKit's 3D embedding runs to its end). Molecules that cannot be read
    or run out of time are skipped with a GrafidaWarning; an index that cannot be
    computed is left empty (NaN) with a warning. Numbers are float64, counts too.
    with_3d=False is the CLI's --no-3d.
    """
    names, rows, skipped = _grafida._index_rows(
        _items(molecules_or_paths), list(columns) if columns is not None else None, jobs, timeout, with_3d)
    _warn(skipped)
    return _frame(names, rows)
