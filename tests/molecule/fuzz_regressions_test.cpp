// Molecule files the fuzzer and its review found troublesome: each is refused
// with the reader's message and leaves the molecule as it was.

#include "MoleculeTesting.h"
#include "support/RecordingReporter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace grafida {
namespace {

using testing::ElementDataDirScope;
using ::testing::ElementsAre;
using testing::RecordedMessages;
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

} // namespace
} // namespace grafida
