// Molecule files the fuzzer and its review found troublesome.

#include "MoleculeTesting.h"
#include "support/RecordingReporter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace grafida {
namespace {

using testing::ElementDataDirScope;
using ::testing::ElementsAre;
using testing::RecordedMessages;
using testing::ScratchDir;
using testing::TestDataPath;

TEST(MoleculeFuzzRegressions, HinFilesAreRefusedWithTheMessage) {
    ElementDataDirScope data;
    const char* files[] = {
        // A neighbour count whose double overflows a 64-bit integer.
        "huge-neighbour-count.hin",
    };
    for (const char* file : files) {
        const std::string path = TestDataPath(std::string("fuzz-regressions/") + file);
        RecordedMessages messages;
        TMolecula molecule;
        molecule.SetName("kept");
        EXPECT_FALSE(molecule.LoadFromHIN(path)) << file;
        EXPECT_THAT(messages.errors(), ElementsAre("Can not read molecule from HIN file " + path)) << file;
        EXPECT_EQ(molecule.Name(), "kept") << file;
    }
}

// Work files whose element field the writer did not give back as read: a NUL byte
// cut the field, and blanks kept at the end of a truncated symbol were lost on the
// way back. Read, written and read again, each is the same molecule.
TEST(MoleculeFuzzRegressions, WorkFilesSurviveTheirOwnRoundTrip) {
    using namespace std::string_literals;
    const struct {
        const char* file;
        int atom; // index of the atom whose symbol was damaged
        std::string symbol;
    } cases[] = {
        {"nul-in-element-symbol.TOP", 0, " \x01\0 "s},
        {"blanks-ending-element-symbol.TOP", 1, " C "s},
    };
    for (const auto& c : cases) {
        RecordedMessages messages;
        TMolecula read;
        ASSERT_TRUE(read.LoadFromFile(TestDataPath(std::string("fuzz-regressions/") + c.file))) << c.file;
        EXPECT_EQ(read.Atoms[c.atom].Element().Symbol, c.symbol) << c.file;
        ScratchDir dir;
        const std::string copy = dir.file("copy.TOP");
        ASSERT_TRUE(read.SaveToFile(copy)) << c.file;
        TMolecula again;
        ASSERT_TRUE(again.LoadFromFile(copy)) << c.file;
        ASSERT_EQ(again.VertexCount(), read.VertexCount()) << c.file;
        EXPECT_EQ(again.Bonds, read.Bonds) << c.file;
        for (int v = 0; v < read.VertexCount(); ++v) {
            EXPECT_EQ(again.Atoms[v].Element(), read.Atoms[v].Element()) << c.file << " atom " << v + 1;
            EXPECT_EQ(again.Atoms[v].AtomType(), read.Atoms[v].AtomType()) << c.file << " atom " << v + 1;
        }
        EXPECT_TRUE(messages.errors().empty()) << c.file;
    }
}

} // namespace
} // namespace grafida
