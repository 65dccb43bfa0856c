// Finding the records of a molecule file, naming them and turning each into a
// molecule. The chemistry of a record is RDKit's (RecordParser.cpp); this file only
// knows where records begin and end.

#include "molecule/ElementData.h"
#include "molecule/MoleculeFiles.h"
#include "molecule/RecordParser.h"
#include "molecule/TextFields.h"
#include "numeric/Messages.h"
#include "numeric/Progress.h"
#include "numeric/Reporter.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <vector>

namespace grafida {

namespace {

using messages::kCannotReadRecord;
using messages::kNoRecord;
constexpr const char* kCannotReadFile = messages::kCannotReadMoleculeFile;

// Names longer than this would make work and matrix file names too long to create.
constexpr size_t kLongestName = 100;

std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

std::string_view WithoutLineEnd(std::string_view line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.remove_suffix(1);
    return line;
}

bool IsBlankLine(std::string_view line) {
    return TrimBlanks(WithoutLineEnd(line)).empty();
}

// Cuts the record structure out of a stream of lines: each format says where a
// record begins and ends; the scanner keeps the record's text unless it grows too
// large, and always its place in the file.
class RecordScanner {
public:
    RecordScanner(MoleculeFormat format, std::uint64_t largest,
                  const std::function<bool(const MoleculeRecord&, std::string_view)>& onRecord)
        : format_(format), largest_(largest), onRecord_(onRecord) {}

    bool Stopped() const { return stopped_; }

    // line holds the line's bytes with its end, cut when the line is longer than a
    // record may be; length is its full length in the file.
    void Line(std::string_view line, std::uint64_t offset, std::uint64_t length) {
        if (stopped_)
            return;
        switch (format_) {
        case MoleculeFormat::Hin:
            if (!open_)
                Begin(offset, {});
            Append(line, length);
            break;
        case MoleculeFormat::Sdf:
        case MoleculeFormat::Mol:
            if (!open_)
                Begin(offset, TrimBlanks(WithoutLineEnd(line)));
            Append(line, length);
            if (TrimBlanks(WithoutLineEnd(line)) == "$$$$")
                Finish();
            break;
        case MoleculeFormat::Mol2:
            if (WithoutLineEnd(line).starts_with("@<TRIPOS>MOLECULE")) {
                if (open_)
                    Finish();
                Begin(offset, {});
                titleNext_ = true;
                Append(line, length);
                break;
            }
            if (!open_)
                break;
            if (titleNext_) {
                record_.title = TrimBlanks(WithoutLineEnd(line));
                titleNext_ = false;
            }
            Append(line, length);
            break;
        case MoleculeFormat::Smiles:
            SmilesLine(line, offset, length);
            break;
        }
    }

    void EndOfFile() {
        if (open_ && !stopped_ && hasContent_)
            Finish();
    }

private:
    // One record per line; "#" starts a comment, and a first line whose first field
    // is "SMILES" is a column header.
    void SmilesLine(std::string_view line, std::uint64_t offset, std::uint64_t length) {
        const std::string_view content = TrimBlanks(WithoutLineEnd(line));
        if (content.empty() || content.front() == '#')
            return;
        const auto fields = SplitFields(content);
        const bool first = next_ == 1 && !headerSeen_;
        headerSeen_ = true;
        if (first && LowerAscii(fields.front()) == "smiles")
            return;
        Begin(offset, fields.size() > 1 ? fields[1] : std::string_view{});
        Append(line, length);
        Finish();
    }

    void Begin(std::uint64_t offset, std::string_view title) {
        open_ = true;
        hasContent_ = false;
        titleNext_ = false;
        record_ = MoleculeRecord{};
        record_.number = next_++;
        record_.offset = offset;
        record_.title = title;
        text_.clear();
    }

    void Append(std::string_view line, std::uint64_t length) {
        record_.length += length;
        hasContent_ = hasContent_ || !IsBlankLine(line);
        if (record_.tooLarge)
            return;
        if (record_.length > largest_) {
            record_.tooLarge = true;
            std::string().swap(text_);
            return;
        }
        text_.append(line);
    }

    void Finish() {
        open_ = false;
        if (!onRecord_(record_, record_.tooLarge ? std::string_view{} : std::string_view(text_)))
            stopped_ = true;
        text_.clear();
    }

    MoleculeFormat format_;
    std::uint64_t largest_;
    const std::function<bool(const MoleculeRecord&, std::string_view)>& onRecord_;
    MoleculeRecord record_;
    std::string text_;
    std::int64_t next_ = 1;
    bool open_ = false;
    bool hasContent_ = false;
    bool titleNext_ = false;
    bool headerSeen_ = false;
    bool stopped_ = false;
};

bool IsNameCharacter(unsigned char c) {
    if (c >= 0x80) // part of a UTF-8 letter
        return true;
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
        return true;
    return std::strchr("-+()[]{},=#@!&'~^", c) != nullptr && c != '\0';
}

} // namespace

std::optional<MoleculeFormat> MoleculeFormatOfFile(std::string_view path) {
    const size_t slash = path.find_last_of('/');
    const std::string_view file = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const size_t dot = file.find_last_of('.');
    if (dot == std::string_view::npos)
        return std::nullopt;
    static const std::map<std::string, MoleculeFormat> formats = {
        {".hin", MoleculeFormat::Hin},    {".sdf", MoleculeFormat::Sdf},
        {".mol", MoleculeFormat::Mol},    {".mol2", MoleculeFormat::Mol2},
        {".smi", MoleculeFormat::Smiles}, {".smiles", MoleculeFormat::Smiles}};
    const auto found = formats.find(LowerAscii(file.substr(dot)));
    if (found == formats.end())
        return std::nullopt;
    return found->second;
}

bool IsMoleculeFile(std::string_view path) {
    return MoleculeFormatOfFile(path).has_value();
}

bool ScanMoleculeRecords(const std::string& path, MoleculeFormat format,
                         const std::function<bool(const MoleculeRecord&, std::string_view text)>& onRecord,
                         std::uint64_t largestRecord) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        ShowError(kCannotReadFile, path);
        return false;
    }
    RecordScanner scanner(format, largestRecord, onRecord);
    std::vector<char> chunk(1 << 16);
    std::string line;
    std::uint64_t lineStart = 0;
    std::uint64_t lineLength = 0;
    // A line is kept only as far as a record may reach: a file without line ends
    // must not be held whole.
    const auto keep = [&](const char* bytes, size_t count) {
        lineLength += count;
        const std::uint64_t room = largestRecord + 1 > line.size() ? largestRecord + 1 - line.size() : 0;
        line.append(bytes, static_cast<size_t>(std::min<std::uint64_t>(room, count)));
    };
    while (!scanner.Stopped()) {
        in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        const auto got = static_cast<size_t>(in.gcount());
        if (got == 0)
            break;
        size_t at = 0;
        while (at < got && !scanner.Stopped()) {
            const void* end = std::memchr(chunk.data() + at, '\n', got - at);
            if (!end) {
                keep(chunk.data() + at, got - at);
                break;
            }
            const size_t stop = static_cast<size_t>(static_cast<const char*>(end) - chunk.data()) + 1;
            keep(chunk.data() + at, stop - at);
            scanner.Line(line, lineStart, lineLength);
            lineStart += lineLength;
            lineLength = 0;
            line.clear();
            at = stop;
        }
    }
    if (in.bad()) {
        ShowError(kCannotReadFile, path);
        return false;
    }
    if (lineLength > 0)
        scanner.Line(line, lineStart, lineLength);
    scanner.EndOfFile();
    return true;
}

std::optional<std::string> ReadRecordText(const std::string& path, const MoleculeRecord& record) {
    if (record.tooLarge)
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in.seekg(static_cast<std::streamoff>(record.offset)))
        return std::nullopt;
    std::string text(static_cast<size_t>(record.length), '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (static_cast<std::uint64_t>(in.gcount()) != record.length)
        return std::nullopt;
    return text;
}

std::string MoleculeNameOfTitle(std::string_view title) {
    std::string name;
    for (const char c : TrimBlanks(title))
        name += IsNameCharacter(static_cast<unsigned char>(c)) ? c : '-';
    if (name.size() > kLongestName) {
        name.resize(kLongestName);
        // Not in the middle of a UTF-8 letter.
        while (!name.empty() && (static_cast<unsigned char>(name.back()) & 0xC0) == 0x80)
            name.pop_back();
        if (!name.empty() && static_cast<unsigned char>(name.back()) >= 0xC0)
            name.pop_back();
    }
    return name;
}

std::string RecordMoleculeName(const MoleculeRecord& record, const std::string& path, MoleculeFormat format) {
    std::string name = MoleculeNameOfTitle(record.title);
    if (!name.empty())
        return name;
    name = MoleculeNameOfTitle(MoleculeNameOfFile(path));
    if (format == MoleculeFormat::Mol && record.number == 1 && !name.empty())
        return name;
    return (name.empty() ? std::string("molecule") : name) + "-" + std::to_string(record.number);
}

std::string UniqueMoleculeName(const std::string& name, const std::function<bool(std::string_view)>& taken) {
    if (!taken(name))
        return name;
    for (std::int64_t k = 2;; ++k) {
        std::string candidate = name + "-" + std::to_string(k);
        if (!taken(candidate))
            return candidate;
    }
}

std::optional<TMolecula> ReadMoleculeRecord(std::string_view text, MoleculeFormat format,
                                            const MoleculeRecord& record, const std::string& path,
                                            const std::string& name, const MoleculeReadOptions& options) {
    const auto fail = [&](const std::string& reason) {
        ShowError(kCannotReadRecord, static_cast<long long>(record.number), path, reason);
        return std::nullopt;
    };
    if (record.tooLarge)
        return fail("it is larger than " + std::to_string(kLargestRecordBytes >> 20) + " MB");
    ParsedRecord parsed = ParseRecord(text, format, options.embed3D);
    if (!parsed.molecule)
        return fail(parsed.reason);
    const auto masses = ElementDataFile::Load(ElementDataKind::Mass);
    if (!masses)
        return std::nullopt;
    TMolecula molecule = std::move(*parsed.molecule);
    molecule.SetName(name);
    TAtomProperty atomicMass{"atomic mass", {}};
    for (const TAtom& atom : molecule.Atoms)
        atomicMass.Values.push_back(masses->ValueOf(TrimBlanks(atom.Element().Symbol)));
    molecule.Properties.Add(std::move(atomicMass));
    return molecule;
}

void ReportEmptyMoleculeFile(const std::string& path) {
    ShowError(kNoRecord, path);
}

void PrepareRecordReading() {
    WarmUpRecordParser();
}

MoleculeFileSummary ReadMoleculeFile(const std::string& path, const MoleculeReadOptions& options,
                                     const std::function<bool(std::string_view)>& taken,
                                     const std::function<void(TMolecula&&)>& onMolecule) {
    MoleculeFileSummary summary;
    const auto format = MoleculeFormatOfFile(path);
    if (!format) {
        ShowError(kCannotReadFile, path);
        return summary;
    }
    if (*format == MoleculeFormat::Hin) {
        TMolecula molecule;
        summary.opened = true;
        if (molecule.LoadFromHIN(path)) {
            ++summary.loaded;
            onMolecule(std::move(molecule));
        } else {
            ++summary.failed;
        }
        return summary;
    }
    // The bar follows the bytes read, since the number of records is unknown.
    constexpr std::uint64_t kBytesPerStep = 64 << 10;
    std::error_code noSize;
    const std::uintmax_t size = std::filesystem::file_size(path, noSize);
    ProgressGuard progress(noSize ? 1 : static_cast<std::int64_t>(size / kBytesPerStep) + 1);
    std::uint64_t stepped = 0;
    int records = 0;
    summary.opened =
        ScanMoleculeRecords(path, *format, [&](const MoleculeRecord& record, std::string_view text) {
            ++records;
            CheckCancelled();
            const std::string name = UniqueMoleculeName(RecordMoleculeName(record, path, *format), taken);
            auto molecule = ReadMoleculeRecord(text, *format, record, path, name, options);
            if (molecule) {
                ++summary.loaded;
                onMolecule(std::move(*molecule));
            } else {
                ++summary.failed;
            }
            for (; stepped < (record.offset + record.length) / kBytesPerStep; ++stepped)
                progress.Step();
            return true;
        });
    if (summary.opened && records == 0)
        ReportEmptyMoleculeFile(path);
    return summary;
}

} // namespace grafida
