#pragma once
// The computer's description in the About box, read from Linux's own sources: uname,
// /etc/os-release, /proc/meminfo, /proc/cpuinfo, the password database and /proc/self/status.
// The readers take the sources' text so that they can be tried on any machine's text.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace grafida {

struct KernelIdentity {
    std::string name;    // "Linux"
    std::string release; // "6.1.0-18-amd64"
    std::string machine; // "x86_64"
};

// What the box is filled from; a source that could not be read is absent.
struct SystemSources {
    std::optional<KernelIdentity> kernel;
    std::optional<std::string> osRelease;     // text of /etc/os-release
    std::optional<std::string> meminfo;       // text of /proc/meminfo
    std::optional<std::string> cpuinfo;       // text of /proc/cpuinfo
    std::optional<std::string> userName;      // login name of the real user
    std::optional<std::string> processStatus; // text of /proc/self/status
};

SystemSources ReadSystemSources();

// The lines of the box, in their fixed order: operating system, physical memory, processor type
// and name, user, resident memory of the process. A line whose source is absent is left out.
std::vector<std::string> SystemInformationLines(const SystemSources& sources,
                                                std::string_view thousandsSeparator);

// 524288 -> "524,288" with separator ",".
std::string GroupThousands(std::uint64_t value, std::string_view separator);

// The value of a "Key:   12345 kB" line of /proc/meminfo or /proc/self/status.
std::optional<std::uint64_t> FindKilobytes(std::string_view text, std::string_view key);

// PRETTY_NAME of an os-release text, else NAME and VERSION.
std::optional<std::string> OperatingSystemName(std::string_view osRelease);

struct CpuDescription {
    std::optional<std::string> type; // "x86_64 Family 6 Model 85 Stepping 7, GenuineIntel"
    std::optional<std::string> name; // "Intel(R) Xeon(R) CPU @ 2.80GHz"
};

// The first processor of a /proc/cpuinfo text; machine is uname's machine name.
CpuDescription DescribeCpu(std::string_view cpuinfo, std::string_view machine);

} // namespace grafida
