// RDKit reads and sanitizes the record; the hydrogen-depleted graph is then taken
// from RDKit's molecule the way the .HIN reader takes it from a file: heavy atoms in
// the record's order, hydrogens counted on the atom that carries them.

#include "molecule/RecordParser.h"

#include "molecule/TextFields.h"

#include <GraphMol/DistGeomHelpers/Embedder.h>
#include <GraphMol/FileParsers/FileParsers.h>
#include <GraphMol/MolOps.h>
#include <GraphMol/RWMol.h>
#include <GraphMol/SanitException.h>
#include <GraphMol/SmilesParse/SmilesParse.h>
#include <RDGeneral/RDLog.h>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <memory>
#include <mutex>
#include <sstream>
#include <streambuf>

namespace grafida {

namespace {

// The same seed every time, so that a SMILES always gets the same coordinates.
constexpr int kEmbeddingSeed = 0x6a1f;
// RDKit's default, ten attempts per atom, takes minutes on a cage that cannot be
// embedded; a molecule that fails this many attempts is left without coordinates.
constexpr unsigned kEmbeddingAttempts = 20;

// RDKit writes its errors and warnings to stderr itself. They are caught here
// instead: an error becomes the reason given for the record, the rest is dropped,
// and the user hears only through the program's own messages. RDKit's loggers are
// process-wide, so they write into a stream whose text lands in a buffer of the
// writing thread: records read on several threads at once keep their own reasons,
// and no reader waits for another.
class ThreadLogBuffer final : public std::streambuf {
public:
    static std::string& Text() {
        thread_local std::string text;
        return text;
    }

protected:
    int_type overflow(int_type c) override {
        if (!traits_type::eq_int_type(c, traits_type::eof()))
            Text().push_back(traits_type::to_char_type(c));
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        Text().append(s, static_cast<size_t>(n));
        return n;
    }
};

class RdkitLogCapture {
public:
    RdkitLogCapture() {
        static std::once_flag redirected;
        std::call_once(redirected, [] {
            RDLog::InitLogs();
            for (const RDLogger& logger :
                 {rdErrorLog, rdWarningLog, rdInfoLog, rdDebugLog, rdAppLog, rdStatusLog}) {
                if (!logger)
                    continue;
                logger->ClearTee();
                if (logger->df_owner)
                    delete logger->dp_dest;
                logger->df_owner = false;
                logger->dp_dest = &Stream();
            }
        });
        ThreadLogBuffer::Text().clear();
    }
    ~RdkitLogCapture() { ThreadLogBuffer::Text().clear(); }
    RdkitLogCapture(const RdkitLogCapture&) = delete;
    RdkitLogCapture& operator=(const RdkitLogCapture&) = delete;

    // What RDKit logged on this thread since the capture began, its time stamps
    // removed, lines joined by "; ".
    std::string Text() const {
        std::string joined;
        std::istringstream lines(ThreadLogBuffer::Text());
        std::string line;
        while (std::getline(lines, line)) {
            std::string_view text = line;
            // "[13:55:02] " precedes every line.
            if (text.starts_with('[')) {
                const size_t close = text.find("] ");
                if (close != std::string_view::npos && close < 16)
                    text.remove_prefix(close + 2);
            }
            text = TrimBlanks(text);
            if (text.empty())
                continue;
            if (!joined.empty())
                joined += "; ";
            joined += text;
        }
        return joined;
    }

private:
    // Never destroyed: RDKit's loggers flush into it when the process ends.
    static std::ostream& Stream() {
        static auto* stream = new std::ostream(new ThreadLogBuffer);
        return *stream;
    }
};

std::optional<TBondType> BondTypeOf(const RDKit::Bond& bond) {
    if (bond.getIsAromatic())
        return TBondType::Aromatic;
    switch (bond.getBondType()) {
    case RDKit::Bond::SINGLE:
        return TBondType::Single;
    case RDKit::Bond::DOUBLE:
        return TBondType::Double;
    case RDKit::Bond::TRIPLE:
        return TBondType::Triple;
    case RDKit::Bond::AROMATIC:
        return TBondType::Aromatic;
    default:
        return std::nullopt;
    }
}

struct Neighbour {
    std::int32_t vertex;
    TBondType type;
};

// The hydrogen-depleted graph of a sanitized molecule; positions come from
// conformer (atom indices of the molecule), NaN without one.
ParsedRecord GraphOf(const RDKit::ROMol& mol, const RDKit::Conformer* conformer) {
    ParsedRecord parsed;
    const unsigned count = mol.getNumAtoms();
    std::vector<std::int32_t> vertexOf(count, 0);
    std::int32_t heavy = 0;
    for (unsigned i = 0; i < count; ++i)
        if (mol.getAtomWithIdx(i)->getAtomicNum() != 1)
            vertexOf[i] = ++heavy;
    if (heavy == 0) {
        parsed.reason = "it holds no atom other than hydrogen";
        return parsed;
    }
    std::vector<std::vector<Neighbour>> neighbours(static_cast<size_t>(heavy) + 1);
    std::vector<unsigned> hydrogens(static_cast<size_t>(heavy) + 1, 0);
    // Bonds in the record's order, so every atom lists its neighbours as the file does.
    for (unsigned b = 0; b < mol.getNumBonds(); ++b) {
        const RDKit::Bond& bond = *mol.getBondWithIdx(b);
        const std::int32_t v = vertexOf[bond.getBeginAtomIdx()];
        const std::int32_t w = vertexOf[bond.getEndAtomIdx()];
        if (v != 0 && w != 0) {
            const auto type = BondTypeOf(bond);
            if (!type) {
                std::ostringstream reason;
                reason << "the bond between atoms " << bond.getBeginAtomIdx() + 1 << " and "
                       << bond.getEndAtomIdx() + 1 << " is of type " << bond.getBondType()
                       << ", which is none of single, double, triple or aromatic";
                parsed.reason = reason.str();
                return parsed;
            }
            neighbours[static_cast<size_t>(v)].push_back({w, *type});
            neighbours[static_cast<size_t>(w)].push_back({v, *type});
        } else if (v != 0 || w != 0) {
            ++hydrogens[static_cast<size_t>(v != 0 ? v : w)];
        }
    }

    TMolecula molecule;
    const double none = std::numeric_limits<double>::quiet_NaN();
    for (unsigned i = 0; i < count; ++i) {
        const std::int32_t v = vertexOf[i];
        if (v == 0)
            continue;
        const RDKit::Atom& source = *mol.getAtomWithIdx(i);
        TAtom atom;
        atom.SetElement(ElementOf(source.getSymbol()));
        std::string type;
        if (source.getPropIfPresent<std::string>("_TriposAtomType", type))
            atom.SetAtomType(type);
        if (conformer) {
            const RDGeom::Point3D& p = conformer->getAtomPos(i);
            atom.SetCoords(p.x, p.y, p.z);
        } else {
            atom.SetCoords(none, none, none);
        }
        atom.SetSourceNumber(static_cast<std::int32_t>(i + 1));
        atom.SetNumber(v);
        const unsigned total = hydrogens[static_cast<size_t>(v)] + source.getTotalNumHs(false);
        atom.SetHydrogenCount(static_cast<std::uint8_t>(std::min(total, 255u)));
        for (const Neighbour& n : neighbours[static_cast<size_t>(v)]) {
            atom.AddNeighbour(n.vertex);
            if (n.vertex > v)
                molecule.Bonds.push_back({v, n.vertex, n.type});
        }
        molecule.Atoms.Add(std::move(atom));
    }
    parsed.molecule = std::move(molecule);
    return parsed;
}

// The lines of text, each with its line end.
std::vector<std::string_view> LinesWithEnds(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        end = end == std::string_view::npos ? text.size() : end + 1;
        lines.push_back(text.substr(at, end - at));
        at = end;
    }
    return lines;
}

std::optional<int> FixedWidthNumber(std::string_view line, size_t column, size_t width) {
    if (line.size() < column + width)
        return std::nullopt;
    const auto field = TrimBlanks(line.substr(column, width));
    int value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (field.empty() || error != std::errc() || end != field.data() + field.size())
        return std::nullopt;
    return value;
}

// The mol block of an SDF record: up to "M  END" (the data items after it are not
// RDKit's business). Bond types 5, 6 and 7 of a V2000 block (single or double,
// single or aromatic, double or aromatic) are query types that some programs, Open
// Babel among them, write for the bonds of aromatic rings; in a file of molecules
// they mean aromatic (type 4), and RDKit then perceives the rings itself.
std::string MolBlockOf(std::string_view text) {
    const auto lines = LinesWithEnds(text);
    std::string block;
    const auto atoms = lines.size() > 3 ? FixedWidthNumber(lines[3], 0, 3) : std::nullopt;
    const auto bonds = lines.size() > 3 ? FixedWidthNumber(lines[3], 3, 3) : std::nullopt;
    const bool v2000 = lines.size() > 3 && lines[3].find("V2000") != std::string_view::npos;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string line(lines[i]);
        const bool inBondBlock = v2000 && atoms && bonds && i >= 4 + static_cast<size_t>(*atoms) &&
                                 i < 4 + static_cast<size_t>(*atoms) + static_cast<size_t>(*bonds);
        if (inBondBlock) {
            const auto type = FixedWidthNumber(line, 6, 3);
            if (type && *type >= 5 && *type <= 7)
                line.replace(6, 3, "  4");
        }
        block += line;
        if (line.starts_with("M  END"))
            break;
    }
    return block;
}

std::unique_ptr<RDKit::RWMol> ParseSmiles(std::string_view line) {
    const auto fields = SplitFields(line);
    if (fields.empty())
        return nullptr;
    RDKit::SmilesParserParams params;
    params.removeHs = false;
    params.parseName = false;
    params.allowCXSMILES = false;
    return std::unique_ptr<RDKit::RWMol>(RDKit::SmilesToMol(std::string(fields.front()), params));
}

ParsedRecord Embedded(const RDKit::ROMol& mol) {
    RDKit::RWMol withHs(mol);
    RDKit::MolOps::addHs(withHs);
    RDKit::DGeomHelpers::EmbedParameters params = RDKit::DGeomHelpers::ETKDGv3;
    params.randomSeed = kEmbeddingSeed;
    params.numThreads = 1;
    params.maxIterations = kEmbeddingAttempts;
    int id = RDKit::DGeomHelpers::EmbedMolecule(withHs, params);
    if (id < 0) {
        // Cages and helicenes defeat the usual start; random starting coordinates
        // with relaxed smoothing often still find a geometry.
        params.useRandomCoords = true;
        params.ignoreSmoothingFailures = true;
        id = RDKit::DGeomHelpers::EmbedMolecule(withHs, params);
    }
    // addHs appends the hydrogens, so the molecule's own atoms keep their indices.
    return GraphOf(mol, id >= 0 ? &withHs.getConformer(id) : nullptr);
}

} // namespace

ParsedRecord ParseRecord(std::string_view text, MoleculeFormat format, bool embed3D) {
    RdkitLogCapture log;
    ParsedRecord parsed;
    try {
        std::unique_ptr<RDKit::RWMol> mol;
        switch (format) {
        case MoleculeFormat::Sdf:
        case MoleculeFormat::Mol:
            mol.reset(RDKit::MolBlockToMol(MolBlockOf(text), true, false, true));
            break;
        case MoleculeFormat::Mol2:
            mol.reset(RDKit::Mol2BlockToMol(std::string(text), true, false));
            break;
        case MoleculeFormat::Smiles:
            mol = ParseSmiles(text);
            break;
        case MoleculeFormat::Hin:
            parsed.reason = "a .HIN file is not read as records";
            return parsed;
        }
        if (!mol) {
            parsed.reason = log.Text();
            if (parsed.reason.empty())
                parsed.reason = "RDKit found no molecule in it";
            return parsed;
        }
        if (format != MoleculeFormat::Smiles)
            return GraphOf(*mol, mol->getNumConformers() ? &mol->getConformer() : nullptr);
        return embed3D ? Embedded(*mol) : GraphOf(*mol, nullptr);
    } catch (const std::exception& error) {
        parsed.reason = error.what();
    } catch (...) {
        parsed.reason = log.Text();
    }
    parsed.molecule.reset();
    if (parsed.reason.empty())
        parsed.reason = "RDKit could not read it";
    return parsed;
}

} // namespace grafida

namespace grafida {

void WarmUpRecordParser() {
    ParseRecord("c1ccncc1C(=O)O", MoleculeFormat::Smiles, true);
    ParseRecord("c1ccncc1C(=O)O", MoleculeFormat::Smiles, false);
}

} // namespace grafida
