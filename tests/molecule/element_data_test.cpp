#include "MoleculeTesting.h"
#include "numeric/NumberText.h"
#include "numeric/TextFile.h"
#include "support/RecordingReporter.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace grafida {
namespace {

using testing::ElementDataDirScope;
using ::testing::ElementsAre;
using testing::ReadFile;
using testing::RecordedMessages;
using testing::ScratchDir;

// The value written on symbol's own line of a data file, if it has one.
std::optional<double> OwnLineValue(const std::string& text, std::string_view symbol) {
    for (const auto line : SplitLines(text))
        if (line.substr(0, line.find(' ')) == symbol)
            return ParseNumber(line.substr(line.find(' ') + 1));
    return std::nullopt;
}

std::string Bare(const TElement& element) {
    return element.Symbol.substr(1, element.Symbol.size() - 2);
}

TEST(ElementData, ShippedFilesFindEverySymbolsOwnLine) {
    const std::string masses = ReadFile(std::string(GRAFIDA_DATA_DIR) + "/MASS.DAT");
    const std::string electronegativities = ReadFile(std::string(GRAFIDA_DATA_DIR) + "/ELNEG.DAT");
    const ElementDataFile massFile(ElementDataKind::Mass, masses);
    const ElementDataFile electronegativityFile(ElementDataKind::Electronegativity, electronegativities);
    int withElectronegativity = 0;
    for (const TElement& element : ElementTable()) {
        const std::string symbol = Bare(element);
        SCOPED_TRACE(symbol);
        const auto mass = OwnLineValue(masses, symbol);
        ASSERT_TRUE(mass.has_value()); // every element has a mass
        EXPECT_GT(*mass, 0);
        EXPECT_EQ(massFile.ValueOf(element.Symbol), *mass);
        // Elements without a published Sanderson value have no line and read as -1.
        const auto chi = OwnLineValue(electronegativities, symbol);
        EXPECT_EQ(electronegativityFile.ValueOf(element.Symbol), chi.value_or(-1.0));
        withElectronegativity += chi.has_value();
    }
    EXPECT_EQ(SplitLines(masses).size(), 74u);
    EXPECT_EQ(SplitLines(electronegativities).size(), static_cast<size_t>(withElectronegativity));
    EXPECT_EQ(massFile.ValueOf("C"), 12.011);
    EXPECT_EQ(electronegativityFile.ValueOf(" C "), 2.746);
    EXPECT_EQ(electronegativityFile.ValueOf("H"), 2.592);
}

TEST(ElementData, LookUpRules) {
    // Masses match the symbol followed by a blank, electronegativities the symbol
    // anywhere: the first containing line wins, whatever its own symbol.
    const ElementDataFile masses(ElementDataKind::Mass, "Cl 35.45\nC 12.011\nXx heavy\nNo\n");
    EXPECT_EQ(masses.ValueOf("C"), 12.011);
    EXPECT_EQ(masses.ValueOf(" Cl "), 35.45);
    EXPECT_EQ(masses.ValueOf("Xx"), -1.0); // not a number
    EXPECT_EQ(masses.ValueOf("Zz"), -1.0); // no line
    const ElementDataFile electronegativities(ElementDataKind::Electronegativity, "Cl 3.475\r\nC 2.746\r\n");
    EXPECT_EQ(electronegativities.ValueOf("C"), 3.475);
    EXPECT_EQ(electronegativities.ValueOf("Cl"), 3.475);
}

TEST(ElementData, MissingFilesShowTheirMessageAndGiveNothing) {
    ScratchDir empty;
    ElementDataDirScope data(empty.path().string());
    RecordedMessages messages;
    EXPECT_EQ(MassOf("C"), std::nullopt);
    EXPECT_EQ(ElectronegativityOf("C"), std::nullopt);
    EXPECT_THAT(messages.reporter.informations,
                ElementsAre("MASS DATA FILE IS MISSING OR NOT IN CURRENT DIRECTORY",
                            "CHARGES DATA FILE IS MISSING OR NOT IN CURRENT DIRECTORY"));
}

TEST(ElementData, FilesSitNextToTheExecutable) {
    SetElementDataDir({});
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(ElementDataDir()) / "MASS.DAT"));
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(ElementDataDir()) / "ELNEG.DAT"));
    EXPECT_EQ(MassOf("O"), 15.999);
    EXPECT_EQ(ElectronegativityOf("O"), 3.654);
}

} // namespace
} // namespace grafida
