#pragma once
// The chemistry of one record (parsing, sanitizing, hydrogens, aromaticity,
// embedding), done by RDKit; RDKit's own types stay inside RecordParser.cpp.

#include "molecule/Molecula.h"
#include "molecule/MoleculeFiles.h"

#include <optional>
#include <string>
#include <string_view>

namespace grafida {

// The molecule without name or properties, or RDKit's reason for refusing the record.
struct ParsedRecord {
    std::optional<TMolecula> molecule;
    std::string reason;
};

// text is one record of a file of format (SDF or MOL: a mol block with its data
// items; MOL2: one @<TRIPOS>MOLECULE block; SMILES: one line, SMILES first).
ParsedRecord ParseRecord(std::string_view text, MoleculeFormat format, bool embed3D);

// Reads and embeds a small molecule, so that RDKit's lazily built tables exist.
void WarmUpRecordParser();

} // namespace grafida
