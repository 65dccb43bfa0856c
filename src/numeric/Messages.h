#pragma once
// Every message text the program shows, in one place. The texts are the user's
// only account of what went wrong and are kept letter for letter, misspellings
// included, because users and their scripts know them in this form.

namespace grafida::messages {

// Computations and commands.
inline constexpr const char* kErrorCalculating = "ERROR DIURING CALCULATING %s";
inline constexpr const char* kNotEnoughMemory = "NOT ENOUGHT MEMORY, FREE SOME MEMORY AND TRY AGAIN";
inline constexpr const char* kNeeds = "%s need %s";
inline constexpr const char* kEmptyMolecule = "ERROR EMPTY MOLECULE %s";
// A SMILES whose 3D embedding failed or was not asked for.
inline constexpr const char* kNoCoordinates = "Molecule %s has no 3D coordinates";
inline constexpr const char* kCalculateSgiFirst = "CALCULATE SGI FIRST";
// A name chosen in a dialog that is no longer in the matrix list.
inline constexpr const char* kMatrixNotStored = "Matrix %s is not in the matrix list";
// A matrix code the Python module does not know.
inline constexpr const char* kUnknownMatrixCode = "Unknown matrix code %s";
// A molecule that ran out of the time a batch allowed it.
inline constexpr const char* kMoleculeTimedOut = "molecule %s took longer than %s s and was skipped";

// The matrix manager's questions and information.
inline constexpr const char* kMatrixNotFound = "Matrix %s not found continue ?";
inline constexpr const char* kAdjacencyMissing = "Adjacency matrix for %s is missing\r\nContinue ?";
// The question's two lines on two lines.
inline constexpr const char* kSingularQuestion = "System %s is singular, \r\nContinue ?";
inline constexpr const char* kNameExists = "Matrix with name %s already exists";
inline constexpr const char* kNotANumber = "%s not a number";
inline constexpr const char* kEigenvaluesComputed = "Eigenvalues for %d matrices computed";

// Files.
inline constexpr const char* kCannotReadHin = "Can not read molecule from HIN file %s";
inline constexpr const char* kSeveralMolecules =
    "Can not read molecule from HIN file %s: it holds more than one molecule";
inline constexpr const char* kCannotReadMolecule = "Can't read molecule from %s";
inline constexpr const char* kCannotWriteMolecule = "Can't write molecule %s to file";
// Files of records (SDF, MOL, MOL2, SMILES); a bad record is named with RDKit's reason.
inline constexpr const char* kCannotReadMoleculeFile = "Can not read molecule file %s";
inline constexpr const char* kCannotReadRecord = "Can not read record %d of %s: %s";
inline constexpr const char* kNoRecord = "Can not read molecule file %s: it holds no molecule";
inline constexpr const char* kCannotReadProperties = "Can't read properties from %s";
inline constexpr const char* kCannotReadMatrix = "Can't read matrix from %s file";
inline constexpr const char* kCannotWriteSettings = "Can't write settings file %s";
// The index table's matrix file and plot: a missing number is left out, never made up.
inline constexpr const char* kIndexRowsLeftOut = "%s left out of %s: an index of it could not be computed";
inline constexpr const char* kNoCompleteIndexRow = "No molecule has every index: %s was not written";
inline constexpr const char* kPlotLeftOut = "Left out, an index could not be computed: %s";
inline constexpr const char* kMassFileMissing = "MASS DATA FILE IS MISSING OR NOT IN CURRENT DIRECTORY";
inline constexpr const char* kChargesFileMissing = "CHARGES DATA FILE IS MISSING OR NOT IN CURRENT DIRECTORY";

// Spectra and polynomials.
inline constexpr const char* kNotSquare = "Matrix %s is not a square matrix";
inline constexpr const char* kJacobiNotConverged = "System %s not converget, aborting ...";
inline constexpr const char* kGeneralNotConverged = "System %s not convergent";
inline constexpr const char* kRootsNotConverged = "System %s isn't convergent";
inline constexpr const char* kAllCoefficientsZero = "System %s has all coeficients = 0";
// Layer and shell polynomials that have no roots to seek: a constant (one vertex),
// or a highest power whose coefficient is 0 (a property summing to 0).
inline constexpr const char* kConstantPolynomial = "System %s has a constant polynomial, no roots";
inline constexpr const char* kNoLeadingCoefficient =
    "System %s has a zero coefficient of the highest power, no roots";

// The index table: names that --indices or a request cannot take, and why a cell is empty.
inline constexpr const char* kUnknownIndex = "Unknown index %s";
inline constexpr const char* kUnknownWalkOperator =
    "Unknown index %s: the walk operator takes three of AD, CON, DI, D3D, DE, CjDi, CjDe, CFDi, CFDe";
inline constexpr const char* kIndexUnavailable = "Index %s can not be computed: %s";
inline constexpr const char* kIndexNotConnected = "%s: %s left empty: the graph is not connected";
inline constexpr const char* kIndexNoCoordinates = "%s: %s left empty: the molecule has no 3D coordinates";
inline constexpr const char* kIndexNo3D = "%s: %s left empty: 3D distances were not asked for";
inline constexpr const char* kIndexNotComputed = "%s: %s left empty: %s could not be computed";
inline constexpr const char* kIndexNotFinite =
    "%s: %s left empty: the value overflows a floating-point number";
inline constexpr const char* kIndexWorkFileUnreadable =
    "%s: every index left empty: its work file could not be read";
// Hints of the indices the selection dialog offers but the program can not compute.
inline constexpr const char* kNoRazingerDefinition =
    "Not available: the elongation index has no single published formula to compute it from";
inline constexpr const char* kNoDsiDefinition = "Not available: DSI has no single published definition";
inline constexpr const char* kNoExtendedDefinition =
    "Not available: several published matrix families are called extended matrices";
inline constexpr const char* kNoLoviDefinition =
    "Not available: LOVI names a family of local vertex invariants, not one index";

} // namespace grafida::messages
