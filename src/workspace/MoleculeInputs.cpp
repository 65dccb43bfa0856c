#include "workspace/MoleculeInputs.h"

#include "numeric/CollectingReporter.h"
#include "numeric/Messages.h"
#include "numeric/Reporter.h"

namespace grafida {

namespace {

std::string NameKey(std::string_view name) {
    std::string lower(name);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

} // namespace

bool MoleculeFileExpander::Expand(const std::string& path, std::vector<MoleculeInput>& inputs,
                                  std::vector<std::string>& messages) {
    const auto format = MoleculeFormatOfFile(path).value_or(MoleculeFormat::Hin);
    if (format == MoleculeFormat::Hin) {
        const std::string name = MoleculeNameOfFile(path);
        taken_.insert(NameKey(name));
        inputs.push_back({path, format, std::nullopt, name, path});
        return true;
    }
    CollectingReporter reporter(messages);
    const ReporterScope scope(reporter);
    const size_t before = inputs.size();
    bool read = ScanMoleculeRecords(path, format, [&](const MoleculeRecord& record, std::string_view) {
        const std::string name =
            UniqueMoleculeName(RecordMoleculeName(record, path, format),
                               [&](std::string_view n) { return taken_.contains(NameKey(n)); });
        taken_.insert(NameKey(name));
        inputs.push_back({path, format, record, name, path + " record " + std::to_string(record.number)});
        return true;
    });
    if (read && inputs.size() == before) {
        ReportEmptyMoleculeFile(path);
        read = false;
    }
    if (read && !recordsPrepared_) {
        PrepareRecordReading();
        recordsPrepared_ = true;
    }
    return read;
}

std::optional<TMolecula> ThroughWorkFileText(const TMolecula& read, bool keepProperties) {
    const auto text = read.SaveToText();
    if (!text)
        return std::nullopt;
    TMolecula molecule;
    if (!molecule.LoadFromText(*text, read.Name() + ".TOP"))
        return std::nullopt;
    if (keepProperties)
        molecule.Properties = read.Properties;
    return molecule;
}

std::optional<TMolecula> ReadMoleculeInput(const MoleculeInput& input, const MoleculeReadOptions& options,
                                           bool keepProperties) {
    if (!input.record) {
        TMolecula read;
        if (!read.LoadFromHIN(input.file))
            return std::nullopt;
        return ThroughWorkFileText(read, keepProperties);
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
    return ThroughWorkFileText(*read, keepProperties);
}

} // namespace grafida
