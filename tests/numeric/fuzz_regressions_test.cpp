// Matrix files the fuzzer found troublesome: each is read (or refused with the
// message) and what was read can be printed.

#include "numeric/MatrixText.h"
#include "support/RecordingReporter.h"

#include <gtest/gtest.h>

namespace grafida {
namespace {

using testing::RecordedMessages;

TEST(MatrixFuzzRegressions, ReadAndPrintWithoutFault) {
    const struct {
        const char* file;
        int matrices; // how many blocks are read
        bool refused; // whether "Can't read matrix from %s file" is shown
    } cases[] = {
        // Rows of no cells: printing them asked for the first cell of each row.
        {"rows-without-columns.M", 1, false},
        // Four billion columns and no rows: printing them would sum every column.
        {"columns-without-rows.M", 0, true},
    };
    for (const auto& c : cases) {
        const std::string path = std::string(GRAFIDA_TEST_DATA_DIR) + "/fuzz-regressions/" + c.file;
        RecordedMessages messages;
        TContainer list;
        ASSERT_EQ(LoadMatrices(path, list), 0) << c.file;
        EXPECT_EQ(list.Count(), c.matrices) << c.file;
        EXPECT_EQ(messages.errors(),
                  c.refused ? std::vector<std::string>{"Can't read matrix from " + path + " file"}
                            : std::vector<std::string>{})
            << c.file;
        for (int i = 0; i < list.Count(); ++i) {
            const auto& matrix = *list.ItemAs<TFLOATARRAY>(i);
            StringListTarget plain, formatted;
            PrintPlain(matrix, plain, 4, 2);
            PrintFormatted(matrix, formatted, 4, 2);
            EXPECT_EQ(plain.lines.size(), 3u + matrix.Rows()) << c.file;
        }
    }
}

} // namespace
} // namespace grafida
