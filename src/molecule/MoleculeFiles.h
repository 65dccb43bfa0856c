#pragma once
// Molecule files of every kind the program opens: HyperChem .HIN files and the
// formats chemists keep their collections in (SDF, MOL, MOL2, SMILES). A .HIN file
// holds one molecule; the others hold records, read one at a time so that a file
// of any size needs only the memory of its largest record.

#include "molecule/Molecula.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace grafida {

enum class MoleculeFormat { Hin, Sdf, Mol, Mol2, Smiles };

// The format a file name's extension stands for, compared without regard to case:
// .hin, .sdf, .mol, .mol2, .smi, .smiles; nothing for any other name.
std::optional<MoleculeFormat> MoleculeFormatOfFile(std::string_view path);

// True when the file's extension is one of a molecule file's.
bool IsMoleculeFile(std::string_view path);

// A record larger than this is skipped as unreadable without being held in memory.
inline constexpr std::uint64_t kLargestRecordBytes = 64ull << 20;

// Where one record of a multi-record file lies, and its title as the file gives it
// (SDF and MOL: the first line; MOL2: the line after @<TRIPOS>MOLECULE; SMILES: the
// second field of the line), blanks trimmed.
struct MoleculeRecord {
    std::int64_t number = 0; // 1-based, in file order
    std::uint64_t offset = 0;
    std::uint64_t length = 0;
    std::string title;
    bool tooLarge = false;
};

// Goes once through a file of records, calling onRecord for each in file order with
// the record's text (empty when the record is too large). A .HIN file is one
// record. onRecord returns false to stop. False (after the message "Can not read
// molecule file %s") when the file cannot be read.
bool ScanMoleculeRecords(const std::string& path, MoleculeFormat format,
                         const std::function<bool(const MoleculeRecord&, std::string_view text)>& onRecord,
                         std::uint64_t largestRecord = kLargestRecordBytes);

// The text of one record found by ScanMoleculeRecords; nothing when the file no
// longer holds it.
std::optional<std::string> ReadRecordText(const std::string& path, const MoleculeRecord& record);

// What reading a record does beyond the file's content.
struct MoleculeReadOptions {
    // SMILES carry no coordinates: give them a 3D embedding (fixed seed, so the same
    // coordinates every time) or leave the molecule without coordinates.
    bool embed3D = true;
};

// A title made fit to be a molecule name: blanks, "_", ".", path separators,
// quotes and control characters become "-" (matrix names take the first "_" as the
// end of the molecule's name, work files cut the name at the first "."); empty
// when nothing is left.
std::string MoleculeNameOfTitle(std::string_view title);

// The name of a record: its title made fit, else the file's molecule name followed
// by "-" and the record number (a .mol file's single record: the file's name alone).
std::string RecordMoleculeName(const MoleculeRecord& record, const std::string& path, MoleculeFormat format);

// name itself when taken(name) is false, else name + "-2", "-3", … whichever is first free.
std::string UniqueMoleculeName(const std::string& name, const std::function<bool(std::string_view)>& taken);

// The molecule of one record named name: heavy atoms in the record's order,
// hydrogen counts from explicit and implicit hydrogens, bonds as RDKit perceives them
// after sanitizing (aromatic bonds "a"), coordinates from the file or, for SMILES,
// from the embedding (none when embedding fails: the coordinates are then NaN).
// Carries "atomic mass" as a .HIN molecule does. On failure shows "Can not read
// record %d of %s: %s" with the record number, the file and RDKit's reason.
std::optional<TMolecula> ReadMoleculeRecord(std::string_view text, MoleculeFormat format,
                                            const MoleculeRecord& record, const std::string& path,
                                            const std::string& name, const MoleculeReadOptions& options);

// Shows "Can not read molecule file %s: it holds no molecule", for a file of
// records in which no record was found (an empty file, a MOL2 file without
// @<TRIPOS>MOLECULE).
void ReportEmptyMoleculeFile(const std::string& path);

// Does RDKit's one-time set-up (element tables, logging) now. A program that forks a
// process per record calls it first, so that the set-up is shared, not repeated.
void PrepareRecordReading();

struct MoleculeFileSummary {
    bool opened = false;
    int loaded = 0;
    int failed = 0;
};

// Reads every molecule of a file of any supported format, passing each that loads
// to onMolecule. A .HIN file's molecule keeps its file's name; a record's name is
// made unique against taken (onMolecule is expected to make the name taken, so that
// two records of one title get two names). Bad records are reported and skipped; a
// file without any record is reported too. The progress bar follows the bytes
// read; a cancel stops reading (ComputationCancelled), and the molecules already
// passed to onMolecule stay where onMolecule put them.
MoleculeFileSummary ReadMoleculeFile(const std::string& path, const MoleculeReadOptions& options,
                                     const std::function<bool(std::string_view)>& taken,
                                     const std::function<void(TMolecula&&)>& onMolecule);

} // namespace grafida
