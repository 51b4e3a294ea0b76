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

#include <random>

#include "platform/image/png.h"
#include "test_pictures.h"

namespace player {
namespace {

// Arbitrary bytes: every read answers a value or the default, never more than the file holds.
TEST(PreferencesRobustness, ArbitraryBytes) {
    std::mt19937 random(1251);
    const std::string alphabet = std::string("[]=; \t\r\n\xEF\xBB\xBFkKgG01File") + '\0';
    for (int round = 0; round < 2000; ++round) {
        std::string file;
        const int length = static_cast<int>(random() % 200);
        for (int i = 0; i < length; ++i)
            file += alphabet[random() % alphabet.size()];
        Preferences prefs = Preferences::parse(file);
        for (const char* group : {"g", "G", "", "File"}) {
            prefs.selectGroup(group);
            for (const char* key : {"k", "K", "File0", ""}) {
                const std::string value = prefs.read(key, "<none>");
                EXPECT_TRUE(value == "<none>" || value.size() <= file.size());
            }
        }
    }
}

// Damaged pictures decode to nothing or to a picture whose buffer matches its size.
TEST(PngRobustness, DamagedBytes) {
    const std::string good = test::encodePng(test::solidPicture(14, 14, 1, 2, 3));
    std::mt19937 random(90);
    for (int round = 0; round < 500; ++round) {
        std::string bytes = good;
        for (int flips = 1 + static_cast<int>(random() % 4); flips > 0; --flips)
            bytes[random() % bytes.size()] = static_cast<char>(random());
        if (auto picture = platform::image::decodePng(bytes)) {
            EXPECT_EQ(picture->rgba.size(), static_cast<size_t>(picture->width) * picture->height * 4);
        }
    }
}

}  // namespace
}  // namespace player
