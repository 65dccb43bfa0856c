#include "MoleculeSources.h"

#include "CollectingReporter.h"
#include "Errors.h"
#include "TaskThreads.h"
#include "numeric/Messages.h"
#include "numeric/Reporter.h"

#include <iterator>

namespace grafida::python {

namespace {

// Letter case does not make two names different, as in the program's molecule list.
std::string NameKey(std::string_view name) {
    std::string lower(name);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

// The work file's round trip in memory, as the program makes it before every command.
std::optional<TMolecula> ThroughWorkFileText(const TMolecula& read, Keep keep) {
    const auto text = read.SaveToText();
    if (!text)
        return std::nullopt;
    TMolecula molecule;
    if (!molecule.LoadFromText(*text, read.Name() + ".TOP"))
        return std::nullopt;
    if (keep == Keep::Properties)
        molecule.Properties = read.Properties;
    return molecule;
}

} // namespace

std::vector<MoleculeInput> FileExpander::Expand(const std::string& path) {
    std::vector<MoleculeInput> inputs;
    const auto format = MoleculeFormatOfFile(path).value_or(MoleculeFormat::Hin);
    if (format == MoleculeFormat::Hin) {
        const std::string name = MoleculeNameOfFile(path);
        taken_.insert(NameKey(name));
        inputs.push_back({path, format, std::nullopt, name, path});
        return inputs;
    }
    std::vector<std::string> messages;
    CollectingReporter reporter(messages);
    const ReporterScope scope(reporter);
    bool read = ScanMoleculeRecords(path, format, [&](const MoleculeRecord& record, std::string_view) {
        const std::string name =
            UniqueMoleculeName(RecordMoleculeName(record, path, format),
                               [&](std::string_view n) { return taken_.contains(NameKey(n)); });
        taken_.insert(NameKey(name));
        inputs.push_back({path, format, record, name, path + " record " + std::to_string(record.number)});
        return true;
    });
    if (read && inputs.empty()) {
        ReportEmptyMoleculeFile(path);
        read = false;
    }
    if (!read)
        throw Failure(JoinedMessages(messages));
    if (!prepared_) {
        PrepareRecordReading();
        prepared_ = true;
    }
    return inputs;
}

std::vector<MoleculeInput> ExpandFiles(const std::vector<std::string>& paths) {
    FileExpander expander;
    std::vector<MoleculeInput> inputs;
    for (const std::string& path : paths) {
        auto more = expander.Expand(path);
        std::move(more.begin(), more.end(), std::back_inserter(inputs));
    }
    return inputs;
}

std::optional<TMolecula> ReadInput(const MoleculeInput& input, const MoleculeReadOptions& options,
                                   Keep keep) {
    if (!input.record) {
        TMolecula read;
        if (!read.LoadFromHIN(input.file))
            return std::nullopt;
        return ThroughWorkFileText(read, keep);
    }
    const auto text = ReadRecordText(input.file, *input.record);
    if (!text && !input.record->tooLarge) {
        ShowError(messages::kCannotReadMoleculeFile, input.file);
        return std::nullopt;
    }
    const auto read = ReadMoleculeRecord(text.value_or(std::string()), input.format, *input.record,
                                         input.file, input.name, options);
    if (!read)
        return std::nullopt;
    return ThroughWorkFileText(*read, keep);
}

std::optional<TMolecula> ReadSmiles(const std::string& smiles, const std::string& name,
                                    const MoleculeReadOptions& options, Keep keep) {
    MoleculeRecord record;
    record.number = 1;
    record.length = smiles.size();
    const std::size_t blank = smiles.find_first_of(" \t");
    if (blank != std::string::npos) {
        const std::size_t title = smiles.find_first_not_of(" \t", blank);
        if (title != std::string::npos)
            record.title = smiles.substr(title);
    }
    const std::string source = "SMILES";
    // Unnamed and untitled, the molecule is named after its SMILES.
    std::string chosen =
        MoleculeNameOfTitle(!name.empty()           ? std::string_view(name)
                            : !record.title.empty() ? std::string_view(record.title)
                                                    : std::string_view(smiles).substr(0, blank));
    if (chosen.empty())
        chosen = "smiles";
    const auto read = ReadMoleculeRecord(smiles, MoleculeFormat::Smiles, record, source, chosen, options);
    if (!read)
        return std::nullopt;
    return ThroughWorkFileText(*read, keep);
}

} // namespace grafida::python
