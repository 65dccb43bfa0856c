#include "dlgpack/PropertyCatalogue.h"
#include "dlgpack/SystemInfo.h"

#include <gtest/gtest.h>

namespace grafida {
namespace {

using Lines = std::vector<std::string>;

const char* const kIntelCpu = "processor\t: 0\n"
                              "vendor_id\t: GenuineIntel\n"
                              "cpu family\t: 6\n"
                              "model\t\t: 85\n"
                              "model name\t: Intel(R) Xeon(R) CPU @ 2.80GHz\n"
                              "stepping\t: 7\n"
                              "\n"
                              "processor\t: 1\n"
                              "vendor_id\t: GenuineIntel\n";

const char* const kArmCpu = "processor\t: 0\n"
                            "BogoMIPS\t: 50.00\n"
                            "CPU implementer\t: 0x41\n"
                            "CPU architecture: 8\n"
                            "CPU part\t: 0xd0c\n"
                            "CPU revision\t: 1\n";

SystemSources FullSources() {
    SystemSources sources;
    sources.kernel = KernelIdentity{"Linux", "6.1.0-18-amd64", "x86_64"};
    sources.osRelease = "NAME=\"Debian GNU/Linux\"\nVERSION=\"12 (bookworm)\"\n"
                        "PRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\nID=debian\n";
    sources.meminfo = "MemTotal:         524288 kB\nMemFree:  1000 kB\n";
    sources.cpuinfo = kIntelCpu;
    sources.userName = "chemist";
    sources.processStatus = "Name:\tgrafida\nVmPeak:\t  99999 kB\nVmRSS:\t    1234567 kB\n";
    return sources;
}

TEST(SystemInfo, EveryLineInItsOrder) {
    EXPECT_EQ(SystemInformationLines(FullSources(), ","),
              (Lines{"Linux 6.1.0-18-amd64 x86_64 (Debian GNU/Linux 12 (bookworm))",
                     "Memory Available to Windows: 524,288 KB",
                     "CPU Type: x86_64 Family 6 Model 85 Stepping 7, GenuineIntel",
                     "CPU Name: Intel(R) Xeon(R) CPU @ 2.80GHz", "Current user name is: chemist",
                     "Memory used by process: 1,234,567 KB"}));
}

TEST(SystemInfo, MissingSourcesLeaveTheirLinesOut) {
    SystemSources sources = FullSources();
    sources.kernel.reset();
    sources.cpuinfo = "processor : 0\n";
    sources.meminfo = "MemFree: 12 kB\n";
    sources.userName.reset();
    sources.processStatus.reset();
    EXPECT_EQ(SystemInformationLines(sources, "."), Lines{"Debian GNU/Linux 12 (bookworm)"});

    sources = FullSources();
    sources.osRelease.reset();
    sources.meminfo.reset();
    sources.cpuinfo.reset();
    EXPECT_EQ(SystemInformationLines(sources, "."),
              (Lines{"Linux 6.1.0-18-amd64 x86_64", "Current user name is: chemist",
                     "Memory used by process: 1.234.567 KB"}));
    EXPECT_TRUE(SystemInformationLines(SystemSources{}, ",").empty());
}

TEST(SystemInfo, OsReleaseQuotingAndFallbacks) {
    EXPECT_EQ(OperatingSystemName("PRETTY_NAME='Alpine Linux v3.19'\n"), "Alpine Linux v3.19");
    EXPECT_EQ(OperatingSystemName("PRETTY_NAME=\"Say \\\"hi\\\" \\\\o/\"\r\n"), "Say \"hi\" \\o/");
    EXPECT_EQ(OperatingSystemName("NAME=Fedora\nVERSION=\"39 (Workstation)\"\n"), "Fedora 39 (Workstation)");
    EXPECT_EQ(OperatingSystemName("NAME=Arch\nPRETTY_NAME=\n"), "Arch");
    EXPECT_EQ(OperatingSystemName("# nothing\n"), std::nullopt);
}

TEST(SystemInfo, KilobyteFieldsAndGrouping) {
    EXPECT_EQ(FindKilobytes("MemTotal:       16318412 kB\n", "MemTotal"), 16318412u);
    EXPECT_EQ(FindKilobytes("HugePages_Total:       0\n", "HugePages_Total"), std::nullopt);
    EXPECT_EQ(FindKilobytes("MemTotal: lots kB\n", "MemTotal"), std::nullopt);
    EXPECT_EQ(FindKilobytes("MemTotal: -5 kB\n", "MemTotal"), std::nullopt);
    EXPECT_EQ(FindKilobytes("MemTotalX: 5 kB\n", "MemTotal"), std::nullopt);
    EXPECT_EQ(GroupThousands(0, ","), "0");
    EXPECT_EQ(GroupThousands(999, ","), "999");
    EXPECT_EQ(GroupThousands(1000, ","), "1,000");
    EXPECT_EQ(GroupThousands(536870912u >> 10, ","), "524,288");
    EXPECT_EQ(GroupThousands(18446744073709551615u, "\xc2\xa0"), "18\xc2\xa0"
                                                                 "446\xc2\xa0"
                                                                 "744\xc2\xa0"
                                                                 "073\xc2\xa0"
                                                                 "709\xc2\xa0"
                                                                 "551\xc2\xa0"
                                                                 "615");
}

TEST(SystemInfo, ProcessorOfArmAndOfUnknownMachines) {
    const auto arm = DescribeCpu(kArmCpu, "aarch64");
    EXPECT_EQ(arm.type, "aarch64 Architecture 8 Implementer 0x41 Part 0xd0c Revision 1");
    EXPECT_EQ(arm.name, std::nullopt);
    const auto old = DescribeCpu("Processor\t: ARMv7 Processor rev 4 (v7l)\n", "armv7l");
    EXPECT_EQ(old.type, std::nullopt);
    EXPECT_EQ(old.name, "ARMv7 Processor rev 4 (v7l)");
}

TEST(PropertyCatalogue, KeysAndPropertiesOfEntries) {
    const std::vector<std::string> catalogue{"benzene,SGI,charges,", "ben,x,",       "water",
                                             "Benzene,y,",           "benzene_2,z,", ",empty,"};
    using Names = std::vector<std::string>;
    EXPECT_EQ(FindMatrixProperties(catalogue, "benzene_AD", MatchingEntry::First), (Names{"SGI", "charges"}));
    EXPECT_EQ(FindMatrixProperties(catalogue, "benzene_2_AD", MatchingEntry::First),
              (Names{"SGI", "charges"}));
    EXPECT_EQ(FindMatrixProperties(catalogue, "Benzene_AD", MatchingEntry::Last), Names{"y"});
    EXPECT_EQ(FindMatrixProperties(catalogue, "water_AD", MatchingEntry::First), std::nullopt);
    EXPECT_EQ(FindMatrixProperties(catalogue, "benzene", MatchingEntry::First), std::nullopt);
    EXPECT_EQ(FindMatrixProperties(catalogue, "_AD", MatchingEntry::First), std::nullopt);
    // A molecule without properties has an entry, and so an empty list.
    EXPECT_EQ(FindMatrixProperties({"m,"}, "m_AD", MatchingEntry::First), Names{});
    // Empty items are skipped; a last item that lost its comma is still a property.
    EXPECT_EQ(EntryProperties("m,a,,b"), (Names{"a", "b"}));
}

} // namespace
} // namespace grafida
