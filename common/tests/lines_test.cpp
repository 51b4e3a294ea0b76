#include "common/lines.h"

#include <gtest/gtest.h>

using common::splitLines;
using Lines = std::vector<std::string>;

struct LineCase {
    const char* what;
    std::string bytes;
    Lines lines;
};

class LineRules : public testing::TestWithParam<LineCase> {};

TEST_P(LineRules, SplitsAsTheSystemReadsLines) {
    EXPECT_EQ(splitLines(GetParam().bytes), GetParam().lines) << GetParam().what;
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(
    Table, LineRules,
    testing::Values(
        LineCase{"CR LF", "a.dll\r\nb.txt\r\nuninst.dat\r\n", {"a.dll", "b.txt", "uninst.dat"}},
        LineCase{"LF only", "a.dll\nb.txt\nuninst.dat\n", {"a.dll", "b.txt", "uninst.dat"}},
        LineCase{"CR only", "a.dll\rb.txt\runinst.dat\r", {"a.dll", "b.txt", "uninst.dat"}},
        LineCase{"LF CR is two line ends", "a\n\rb", {"a", "", "b"}},
        LineCase{"CR then another byte starts the next line", "a\rb", {"a", "b"}},
        LineCase{"last line without line end", "a\nb", {"a", "b"}},
        LineCase{"empty data", "", {}},
        LineCase{"only a line end", "\r\n", {""}},
        LineCase{"zero byte ends a line", "ab\0cd\n"s, {"ab", "cd"}},
        LineCase{"blank-only line and leading blank kept", "  \n VT-90\n\t x \n", {"  ", " VT-90", "\t x "}},
        LineCase{"empty line inside", "a\r\n\r\nb", {"a", "", "b"}},
        LineCase{"page example a CR LF b CR c LF LF d", "a\r\nb\rc\n\nd", {"a", "b", "c", "", "d"}},
        LineCase{"8-bit bytes untouched", "\xcf\xf0\xe8\xe2\xe5\xf2\n", {"\xcf\xf0\xe8\xe2\xe5\xf2"}}),
    [](const testing::TestParamInfo<LineCase>& info) { return "case" + std::to_string(info.index); });

TEST(LineReader, LongLineHasNoLimit) {
    std::string big(1 << 20, 'x');
    EXPECT_EQ(splitLines(big + "\n" + big), (Lines{big, big}));
}

TEST(LineReader, ReadsIncrementallyWithEndTestBeforeEachRead) {
    common::LineReader reader("one\r\ntwo\r\n");
    ASSERT_FALSE(reader.atEnd());
    EXPECT_EQ(reader.readLine(), "one");
    ASSERT_FALSE(reader.atEnd());
    EXPECT_EQ(reader.readLine(), "two");
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.readLine(), "");
}
