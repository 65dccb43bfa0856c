#include "workspace/IniFile.h"

#include <gtest/gtest.h>

namespace grafida {
namespace {

TEST(IniFile, ReadsValuesWhateverTheCaseBlanksAndLineEnds) {
    const IniFile file("[Window]\nWidth=1\n"
                       "[ preferences ]\r\n"
                       "; Width=2 is a comment\r\n"
                       "  width =  3  \r\n"
                       "Width=4\n"
                       "Empty=\n"
                       "no equals sign here\n"
                       "[Preferences]\nWidth=5\nLate=6\n");
    EXPECT_EQ(file.Value("Preferences", "Width"), "3") << "first section and first key win";
    EXPECT_EQ(file.Value("Preferences", "Empty"), "");
    EXPECT_EQ(file.Value("Preferences", "Late"), std::nullopt) << "only the first section is read";
    EXPECT_EQ(file.Value("Window", "Width"), "1");
    EXPECT_EQ(file.Value("Preferences", "no equals sign here"), std::nullopt);
    EXPECT_EQ(file.Value("Missing", "Width"), std::nullopt);
}

TEST(IniFile, UpdatesKeysWhereTheyStandAndKeepsEveryOtherByte) {
    IniFile file("\xEF\xBB\xBF; hand-made\r\n"
                 "[A]\r\n"
                 "Key = old   \r\n"
                 "Other=1\r\n"
                 "; trailing comment of A\r\n"
                 "\r\n"
                 "[B]\n"
                 "Key=b");
    EXPECT_TRUE(file.SetValue("a", "KEY", "new"));
    EXPECT_TRUE(file.SetValue("A", "Added", "x"));
    EXPECT_TRUE(file.SetValue("A", "Added 2", "y"));
    EXPECT_TRUE(file.SetValue("C", "Key", "c"));
    EXPECT_EQ(file.Text(), "\xEF\xBB\xBF; hand-made\r\n"
                           "[A]\r\n"
                           "Key = new\r\n"
                           "Other=1\r\n"
                           "Added=x\r\n"
                           "Added 2=y\r\n"
                           "; trailing comment of A\r\n"
                           "\r\n"
                           "[B]\r\n"
                           "Key=b\r\n"
                           "\r\n"
                           "[C]\r\n"
                           "Key=c\r\n");
}

TEST(IniFile, RefusesTextThatWouldBreakTheLineStructure) {
    IniFile file("[A]\r\nKey=1\r\n");
    const struct {
        const char* section;
        const char* key;
        const char* value;
    } cases[] = {
        {"A", "Key", "two\nlines"}, {"A", "Key", "cr\r"}, {"A", "K=ey", "1"}, {"A", "", "1"},
        {"A", "[Key]", "1"},        {"A", ";Key", "1"},   {"A]", "Key", "1"}, {"", "Key", "1"},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(file.SetValue(c.section, c.key, c.value)) << c.section << " " << c.key;
    EXPECT_EQ(file.Text(), "[A]\r\nKey=1\r\n");
}

TEST(IniFile, EmptyTextGetsTheNewSectionOnly) {
    IniFile file("");
    EXPECT_EQ(file.Text(), "");
    file.SetValue("S", "K", "v");
    EXPECT_EQ(file.Text(), "[S]\r\nK=v\r\n");
}

} // namespace
} // namespace grafida
