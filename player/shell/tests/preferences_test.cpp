// The preferences-file reader on a table of inputs.

#include <gtest/gtest.h>

#include "common/cp1251.h"
#include "player/shell/preferences.h"

namespace player {
namespace {

struct ReadCase {
    const char* name;
    std::string file;
    std::string group;  // empty: no group selected
    std::string key;
    std::string expected;  // with the default "?"
};

class PreferencesRead : public testing::TestWithParam<ReadCase> {};

TEST_P(PreferencesRead, Value) {
    Preferences prefs = Preferences::parse(GetParam().file);
    if (!GetParam().group.empty())
        prefs.selectGroup(GetParam().group);
    EXPECT_EQ(prefs.read(GetParam().key, "?"), GetParam().expected);
}

const std::string kGroup = common::cp1251("Мой плейлист");

const ReadCase kReadCases[] = {
    {"Plain", "[g]\r\nk=v\r\n", "g", "k", "v"},
    {"LineFeedsOnly", "[g]\nk=v\nx=y\n", "g", "x", "y"},
    {"CarriageReturnsOnly", "[g]\rk=v\rx=y", "g", "x", "y"},
    {"NoFinalLineEnd", "[g]\r\nk=v", "g", "k", "v"},
    {"TrimsAroundTheEquals", "[g]\r\n  \tkey \t=  \t value with  blanks \t  \r\n", "g", "key",
     "value with  blanks"},
    {"QuotesAreText", "[g]\r\nFile1=\"\"\r\n", "g", "File1", "\"\""},
    {"SemicolonInsideAValue", "[g]\r\nk=a; b\r\n", "g", "k", "a; b"},
    {"CommentLine", "[g]\r\n;k=hidden\r\n", "g", "k", "?"},
    {"IndentedComment", "[g]\r\n   ;k=hidden\r\nk=shown\r\n", "g", "k", "shown"},
    {"FirstLineWins", "[g]\r\nk=1\r\nk=2\r\n", "g", "k", "1"},
    {"KeyCaseOfLatinLetters", "[g]\r\nTITLE3=x\r\n", "g", "Title3", "x"},
    {"GroupCaseOfLatinLetters", "[PlayList]\r\nk=x\r\n", "playlist", "k", "x"},
    {"CyrillicCaseMatters", common::cp1251("[мой плейлист]\r\nk=x\r\n"), kGroup, "k", "?"},
    {"IndentedHeaderIsTheSameGroup", common::cp1251("   [Мой плейлист]\r\nk=x\r\n"), kGroup, "k", "x"},
    {"TextAfterTheBracketIgnored", "[g] trailing\r\nk=x\r\n", "g", "k", "x"},
    {"HeaderWithoutBracket", "[g\r\nk=x\r\n", "g", "k", "x"},
    {"MissingGroup", "[g]\r\nk=x\r\n", "h", "k", "?"},
    {"OtherGroupNotSeen", "[g]\r\na=1\r\n[h]\r\nk=x\r\n", "g", "k", "?"},
    {"BeforeAnyGroup", "k=top\r\n[g]\r\nk=x\r\n", "", "k", "top"},
    {"KeyWithoutEquals", "[g]\r\nlonely\r\n", "g", "lonely", ""},
    {"EmptyValue", "[g]\r\nk=\r\n", "g", "k", ""},
    {"TabsAndBlankLines", "\r\n\r\n[g]\r\n\r\n\tk\t=\tv\t\r\n", "g", "k", "v"},
    {"Utf8MarkConvertsNamesAndValues", "\xEF\xBB\xBF[Мой плейлист]\r\nk=Любовь\r\n", kGroup, "k",
     common::cp1251("Любовь")},
    {"WithoutMarkBytesAsTheyAre", "[\xD0\x9C]\r\nk=x\r\n", common::cp1251("М"), "k", "?"},
    {"StandardPlsIsAnotherGroup", "[playlist]\r\nFile1=http://x\r\nNumberOfEntries=1\r\n", kGroup,
     "File1", "?"},
};

INSTANTIATE_TEST_SUITE_P(Syntax, PreferencesRead, testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace player
