#include "workspace/SettingsFile.h"

#include "numeric/Error.h"
#include "numeric/Messages.h"
#include "numeric/NumberText.h"
#include "numeric/Reporter.h"
#include "numeric/TextFile.h"

#include <cstdint>
#include <filesystem>
#include <optional>

namespace grafida {

namespace {

// Far beyond any real settings file; a larger one is not read into memory.
constexpr std::uintmax_t kMaxSettingsFileBytes = 1 << 20;

constexpr const char* kFormattedDisplayKey = "Formated Display";
constexpr const char* kClearPreviousKey = "Clear previous context";
constexpr const char* kWidthKey = "Width";
constexpr const char* kDecimalsKey = "Decimals";
constexpr const char* kIterationsKey = "Iterations";
constexpr const char* kErrorKey = "Error";
constexpr const char* kWorkDirKey = "WorkDir";

std::string FileIn(const std::string& folder) {
    return folder + "/" + kSettingsFileName;
}

bool Exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// A 32-bit integer written in decimal or, after "0x", in hexadecimal (up to
// eight significant digits, read as two's complement: 0xFFFFFFFF is -1).
std::optional<std::int32_t> ParseSettingsInteger(std::string_view text) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        std::uint64_t value = 0;
        for (const char c : text.substr(2)) {
            const int digit = HexDigit(c);
            if (digit < 0)
                return std::nullopt;
            value = value * 16 + static_cast<std::uint64_t>(digit);
            if (value > UINT32_MAX)
                return std::nullopt;
        }
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    }
    const auto value = ParseInteger(text);
    if (!value || *value < INT32_MIN || *value > INT32_MAX)
        return std::nullopt;
    return static_cast<std::int32_t>(*value);
}

std::int32_t IntegerOr(const IniFile& file, const char* key, std::int32_t fallback) {
    const auto text = file.Value(kSettingsSection, key);
    const auto value = text ? ParseSettingsInteger(*text) : std::nullopt;
    return value.value_or(fallback);
}

// 8-bit fields keep the low 8 bits of whatever integer the file holds.
std::uint8_t ByteOr(const IniFile& file, const char* key, std::uint8_t fallback) {
    return static_cast<std::uint8_t>(static_cast<std::uint32_t>(IntegerOr(file, key, fallback)) & 0xFFu);
}

bool BooleanOr(const IniFile& file, const char* key, bool fallback) {
    return IntegerOr(file, key, fallback ? 1 : 0) != 0;
}

double NumberOr(const IniFile& file, const char* key, double fallback) {
    const auto text = file.Value(kSettingsSection, key);
    const auto value = text ? ParseNumber(*text) : std::nullopt;
    return value.value_or(fallback);
}

// The file's text when it can be read; an absent file reads as empty.
std::optional<IniFile> ReadIniFile(const std::string& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (!error && size > kMaxSettingsFileBytes)
        return std::nullopt;
    const FileContent content = ReadWholeFile(path);
    switch (content.status) {
    case ReadStatus::Ok:
        return IniFile(content.bytes);
    case ReadStatus::Missing:
        return IniFile();
    case ReadStatus::Unreadable:
        break;
    }
    return std::nullopt;
}

// The shortest of the usual 15 digits and the 17 a double needs that reads back
// as the same value: saving must not change a tolerance the user typed.
std::string NumberText(double value) {
    std::string text = FormatC("%.15g", value);
    if (ParseNumber(text) != value)
        text = FormatC("%.17g", value);
    return text;
}

} // namespace

SettingsLocation SettingsLocation::ForProgram(std::string appDir) {
    SettingsLocation location;
    location.appDir = std::move(appDir);
    location.userConfigFolder = UserConfigFolder();
    return location;
}

std::string SettingsLocation::ReadPath() const {
    if (!isWritableFolder(appDir) && !userConfigFolder.empty()) {
        const std::string own = FileIn(userConfigFolder);
        if (Exists(own))
            return own;
    }
    return FileIn(appDir);
}

std::string SettingsLocation::WritePath() const {
    if (!isWritableFolder(appDir) && !userConfigFolder.empty())
        return FileIn(userConfigFolder);
    return FileIn(appDir);
}

Settings ReadSettings(const IniFile& file, const std::string& appDir) {
    const Settings defaults;
    Settings settings;
    settings.FormattedDisplay = BooleanOr(file, kFormattedDisplayKey, defaults.FormattedDisplay);
    settings.ClearPrevious = BooleanOr(file, kClearPreviousKey, defaults.ClearPrevious);
    settings.Width = ByteOr(file, kWidthKey, defaults.Width);
    settings.Decimals = ByteOr(file, kDecimalsKey, defaults.Decimals);
    settings.Iterations = IntegerOr(file, kIterationsKey, defaults.Iterations);
    settings.Error = NumberOr(file, kErrorKey, defaults.Error);
    settings.WorkDir = file.Value(kSettingsSection, kWorkDirKey).value_or(appDir);
    return settings;
}

void StoreSettings(const Settings& settings, IniFile& file) {
    file.SetValue(kSettingsSection, kFormattedDisplayKey, settings.FormattedDisplay ? "1" : "0");
    file.SetValue(kSettingsSection, kClearPreviousKey, settings.ClearPrevious ? "1" : "0");
    file.SetValue(kSettingsSection, kWidthKey, std::to_string(settings.Width));
    file.SetValue(kSettingsSection, kDecimalsKey, std::to_string(settings.Decimals));
    file.SetValue(kSettingsSection, kIterationsKey, std::to_string(settings.Iterations));
    file.SetValue(kSettingsSection, kErrorKey, NumberText(settings.Error));
    // A folder name with a line break cannot be stored; the file keeps the old one.
    file.SetValue(kSettingsSection, kWorkDirKey, settings.WorkDir);
}

Settings LoadSettings(const SettingsLocation& location) {
    const auto file = ReadIniFile(location.ReadPath());
    return ReadSettings(file.value_or(IniFile()), location.appDir);
}

bool SaveSettings(const Settings& settings, const SettingsLocation& location) {
    const std::string target = location.WritePath();
    // Start from the file being replaced, or else from the one the settings came
    // from. A file that exists but cannot be read is never replaced (its content
    // would be lost); an unreadable starting point only means starting afresh.
    std::optional<IniFile> file;
    if (Exists(target))
        file = ReadIniFile(target);
    else
        file = ReadIniFile(location.ReadPath()).value_or(IniFile());
    bool written = false;
    if (file) {
        StoreSettings(settings, *file);
        std::error_code error;
        const auto folder = std::filesystem::path(target).parent_path();
        if (!folder.empty() && !std::filesystem::is_directory(folder, error))
            std::filesystem::create_directories(folder, error);
        written = WriteFileAtomically(target, file->Text());
    }
    if (!written)
        ShowError(messages::kCannotWriteSettings, target);
    return written;
}

} // namespace grafida
