#include "molecule/ElementData.h"

#include "molecule/TextFields.h"
#include "numeric/Messages.h"
#include "numeric/NumberText.h"
#include "numeric/Reporter.h"
#include "numeric/TextFile.h"

#include <filesystem>
#include <system_error>

namespace grafida {

namespace {

std::string& ChosenDataDir() {
    static std::string folder;
    return folder;
}

std::string ExecutableDir() {
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return ".";
    return executable.parent_path().string();
}

const char* FileNameOf(ElementDataKind kind) {
    return kind == ElementDataKind::Mass ? "MASS.DAT" : "ELNEG.DAT";
}

const char* MissingMessageOf(ElementDataKind kind) {
    return kind == ElementDataKind::Mass ? messages::kMassFileMissing : messages::kChargesFileMissing;
}

std::string WithoutBlanks(std::string_view symbol) {
    std::string bare;
    for (const char c : symbol)
        if (!IsBlank(c))
            bare += c;
    return bare;
}

} // namespace

std::string ElementDataDir() {
    const std::string& chosen = ChosenDataDir();
    return chosen.empty() ? ExecutableDir() : chosen;
}

void SetElementDataDir(std::string folder) {
    ChosenDataDir() = std::move(folder);
}

std::optional<ElementDataFile> ElementDataFile::Load(ElementDataKind kind) {
    const auto path = (std::filesystem::path(ElementDataDir()) / FileNameOf(kind)).string();
    const FileContent content = ReadWholeFile(path);
    if (content.status != ReadStatus::Ok) {
        // A missing table fails the one reading or calculation, never the program:
        // open windows may hold unsaved work.
        ShowInformation(MissingMessageOf(kind));
        return std::nullopt;
    }
    return ElementDataFile(kind, content.bytes);
}

ElementDataFile::ElementDataFile(ElementDataKind kind, std::string_view text) : kind_(kind) {
    for (const auto line : SplitLines(text))
        lines_.emplace_back(line);
}

double ElementDataFile::ValueOf(std::string_view symbol) const {
    std::string key = WithoutBlanks(symbol);
    if (kind_ == ElementDataKind::Mass)
        key += ' ';
    for (const auto& line : lines_) {
        if (line.find(key) == std::string::npos)
            continue;
        const size_t blank = line.find(' ');
        if (blank == std::string::npos)
            return -1.0;
        return ParseNumber(TrimBlanks(std::string_view(line).substr(blank + 1))).value_or(-1.0);
    }
    return -1.0;
}

std::optional<double> MassOf(std::string_view symbol) {
    const auto table = ElementDataFile::Load(ElementDataKind::Mass);
    if (!table)
        return std::nullopt;
    return table->ValueOf(symbol);
}

std::optional<double> ElectronegativityOf(std::string_view symbol) {
    const auto table = ElementDataFile::Load(ElementDataKind::Electronegativity);
    if (!table)
        return std::nullopt;
    return table->ValueOf(symbol);
}

} // namespace grafida
