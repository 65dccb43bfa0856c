#include "dlgpack/SystemInfo.h"

#include "numeric/NumberText.h"
#include "numeric/TextFile.h"

#include <pwd.h>
#include <sys/utsname.h>
#include <unistd.h>

namespace grafida {

namespace {

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// The value of the first "key : value" line (cpuinfo) or "key: value" line (meminfo, status).
std::optional<std::string_view> FindField(std::string_view text, std::string_view key) {
    for (const auto line : SplitLines(text)) {
        const auto colon = line.find(':');
        if (colon != std::string_view::npos && Trim(line.substr(0, colon)) == key)
            return Trim(line.substr(colon + 1));
    }
    return std::nullopt;
}

// A shell-style value of os-release: plain, 'single quoted' or "double quoted" with \ escapes.
std::string Unquote(std::string_view value) {
    if (value.size() >= 2 && value.front() == '\'' && value.back() == '\'')
        return std::string(value.substr(1, value.size() - 2));
    if (value.size() < 2 || value.front() != '"' || value.back() != '"')
        return std::string(value);
    std::string text;
    const auto inner = value.substr(1, value.size() - 2);
    for (size_t i = 0; i < inner.size(); ++i) {
        if (inner[i] == '\\' && i + 1 < inner.size())
            ++i;
        text += inner[i];
    }
    return text;
}

std::optional<std::string> OsReleaseValue(std::string_view text, std::string_view key) {
    for (const auto line : SplitLines(text)) {
        const auto equals = line.find('=');
        if (equals != std::string_view::npos && Trim(line.substr(0, equals)) == key) {
            auto value = Unquote(Trim(line.substr(equals + 1)));
            if (!value.empty())
                return value;
        }
    }
    return std::nullopt;
}

std::optional<std::string> ReadText(const char* path) {
    auto content = ReadWholeFile(path);
    if (content.status != ReadStatus::Ok)
        return std::nullopt;
    return std::move(content.bytes);
}

std::optional<std::string> RealUserName() {
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::string buffer(size > 0 ? static_cast<size_t>(size) : 16384, '\0');
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
        !found->pw_name)
        return std::nullopt;
    return std::string(found->pw_name);
}

std::string KilobytesText(std::uint64_t kilobytes, std::string_view separator) {
    return GroupThousands(kilobytes, separator) + " KB";
}

} // namespace

std::string GroupThousands(std::uint64_t value, std::string_view separator) {
    const std::string digits = std::to_string(value);
    std::string text;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += separator;
        text += digits[i];
    }
    return text;
}

std::optional<std::uint64_t> FindKilobytes(std::string_view text, std::string_view key) {
    const auto field = FindField(text, key);
    if (!field)
        return std::nullopt;
    const auto blank = field->find_first_of(" \t");
    if (blank == std::string_view::npos || Trim(field->substr(blank)) != "kB")
        return std::nullopt;
    const auto value = ParseInteger(field->substr(0, blank));
    if (!value || *value < 0)
        return std::nullopt;
    return static_cast<std::uint64_t>(*value);
}

std::optional<std::string> OperatingSystemName(std::string_view osRelease) {
    if (auto pretty = OsReleaseValue(osRelease, "PRETTY_NAME"))
        return pretty;
    auto name = OsReleaseValue(osRelease, "NAME");
    if (!name)
        return std::nullopt;
    if (const auto version = OsReleaseValue(osRelease, "VERSION"))
        *name += " " + *version;
    return name;
}

CpuDescription DescribeCpu(std::string_view cpuinfo, std::string_view machine) {
    CpuDescription cpu;
    // Each present field is appended as " Label value", after the machine name.
    const auto describe = [&](std::initializer_list<std::pair<const char*, const char*>> fields) {
        std::string type(machine);
        bool any = false;
        for (const auto& [key, label] : fields) {
            if (const auto value = FindField(cpuinfo, key)) {
                if (!type.empty())
                    type += ' ';
                type.append(label).append(" ").append(*value);
                any = true;
            }
        }
        return any ? std::optional<std::string>(type) : std::nullopt;
    };
    if (FindField(cpuinfo, "cpu family")) {
        cpu.type = describe({{"cpu family", "Family"}, {"model", "Model"}, {"stepping", "Stepping"}});
        if (const auto vendor = FindField(cpuinfo, "vendor_id"); vendor && !vendor->empty())
            *cpu.type += ", " + std::string(*vendor);
    } else {
        cpu.type = describe({{"CPU architecture", "Architecture"},
                             {"CPU implementer", "Implementer"},
                             {"CPU part", "Part"},
                             {"CPU revision", "Revision"}});
    }
    for (const char* key : {"model name", "Processor", "cpu model", "cpu"}) {
        if (const auto value = FindField(cpuinfo, key); value && !value->empty()) {
            cpu.name = std::string(*value);
            break;
        }
    }
    return cpu;
}

SystemSources ReadSystemSources() {
    SystemSources sources;
    utsname kernel{};
    if (::uname(&kernel) == 0)
        sources.kernel = KernelIdentity{kernel.sysname, kernel.release, kernel.machine};
    sources.osRelease = ReadText("/etc/os-release");
    if (!sources.osRelease)
        sources.osRelease = ReadText("/usr/lib/os-release");
    sources.meminfo = ReadText("/proc/meminfo");
    sources.cpuinfo = ReadText("/proc/cpuinfo");
    sources.userName = RealUserName();
    sources.processStatus = ReadText("/proc/self/status");
    return sources;
}

std::vector<std::string> SystemInformationLines(const SystemSources& sources,
                                                std::string_view thousandsSeparator) {
    std::vector<std::string> lines;

    const auto system = sources.osRelease ? OperatingSystemName(*sources.osRelease) : std::nullopt;
    if (sources.kernel) {
        const auto& kernel = *sources.kernel;
        std::string line = kernel.name + " " + kernel.release;
        if (!kernel.machine.empty())
            line += " " + kernel.machine;
        if (system)
            line += " (" + *system + ")";
        lines.push_back(line);
    } else if (system) {
        lines.push_back(*system);
    }

    if (const auto total = sources.meminfo ? FindKilobytes(*sources.meminfo, "MemTotal") : std::nullopt)
        lines.push_back("Memory Available to Windows: " + KilobytesText(*total, thousandsSeparator));

    if (sources.cpuinfo) {
        const auto cpu = DescribeCpu(*sources.cpuinfo, sources.kernel ? sources.kernel->machine : "");
        if (cpu.type)
            lines.push_back("CPU Type: " + *cpu.type);
        if (cpu.name)
            lines.push_back("CPU Name: " + *cpu.name);
    }

    if (sources.userName)
        lines.push_back("Current user name is: " + *sources.userName);

    if (const auto resident =
            sources.processStatus ? FindKilobytes(*sources.processStatus, "VmRSS") : std::nullopt)
        lines.push_back("Memory used by process: " + KilobytesText(*resident, thousandsSeparator));

    return lines;
}

} // namespace grafida
