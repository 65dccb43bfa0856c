import os
from typing import Iterable, Optional, Sequence, Union

import numpy
import numpy.typing
import pandas

PathLike = Union[str, os.PathLike[str]]

class Error(RuntimeError):
    """A failure of the core; str(error) is the program's own message."""

class GrafidaWarning(UserWarning): ...

class Molecule:
    """A molecule as the program holds it: its hydrogen-depleted graph.

    Atom i (0-based) is row and column i of every matrix.
    """

    @property
    def name(self) -> str: ...
    @property
    def elements(self) -> list[str]:
        """The element symbol of each heavy atom ("C", "Cl")."""
    @property
    def hydrogens(self) -> numpy.typing.NDArray[numpy.int64]:
        """The number of hydrogens on each heavy atom."""
    @property
    def bonds(self) -> list[tuple[int, int, str]]:
        """(atom, atom, type) per bond, atoms 0-based, type "s", "d", "t" or "a"."""
    @property
    def coordinates(self) -> numpy.typing.NDArray[numpy.float64]:
        """An (atoms, 3) array; NaN when the molecule has no coordinates."""
    @property
    def properties(self) -> dict[str, numpy.typing.NDArray[numpy.float64]]:
        """The atom properties the molecule carries ("atomic mass")."""
    def matrix(
        self,
        code: str,
        *,
        of: Optional[str] = None,
        steps: int = 1,
        property: Optional[str] = None,
        m2: Optional[str] = None,
        m3: Optional[str] = None,
    ) -> numpy.typing.NDArray[numpy.float64]:
        """A matrix of the molecule as a float64 array.

        Basic codes: "AD", "CON", "DI", "D3D", "DE", "CjDi", "CjDe", "CFDi", "CFDe".
        Derived, from the basic matrix `of`:
          "W"    W matrix of `of` (default "AD") after `steps` walk steps, weighted
                 by the molecule's property `property` (default: ones);
          "WO"   walk operator of M1 = `of` (default "AD"), M2 = `m2`, M3 = `m3`
                 (default "DI");
          "LM"   layer matrix over the distance matrix of the property `property`:
                 a molecule property, "Row sum", "Col sum" or "Diagonal entries"
                 of `of` (default "DI"), or ones when None;
          "Sh"   shell matrix of `of` (default "DI");
          "Comb" combinatorial matrix of `of` (default "DI").
        Raises ValueError for an unknown code, grafida.Error when the matrix
        cannot be built.
        """

def index_columns(columns: Optional[Sequence[str]] = None) -> list[str]:
    """The columns grafida.indices gives for columns (None: the default columns)."""

def read(path: PathLike, *, with_3d: bool = True, jobs: Optional[int] = None) -> list[Molecule]:
    """The molecules of a .hin, .sdf, .mol, .mol2, .smi or .smiles file.

    Records that cannot be read are skipped with a GrafidaWarning; a file that
    yields no molecule raises grafida.Error.
    """
def from_smiles(smiles: str, name: Optional[str] = None, *, with_3d: bool = True) -> Molecule:
    """The molecule of one SMILES, named name, else by a title after a blank, else by the SMILES."""
def indices(
    molecules_or_paths: Union[Molecule, PathLike, Iterable[Union[Molecule, PathLike]]],
    columns: Optional[Sequence[str]] = None,
    jobs: Optional[int] = None,
    timeout: Optional[float] = None,
    *,
    with_3d: bool = True,
) -> pandas.DataFrame:
    """The topological indices, one row per molecule, as grafida-cli indices gives them."""
