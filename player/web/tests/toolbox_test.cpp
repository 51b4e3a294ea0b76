#include <gtest/gtest.h>

#include "common/cp1251.h"
#include "common/lines.h"
#include "player/web/toolbox.h"

namespace web {
namespace {

struct FindCase {
    const char* text;
    const char* search;
    int start;
    int expected;
};

TEST(FindText, PositionsAreOneBasedAndZeroMeansNotFound) {
    const FindCase cases[] = {
        {"abcabc", "bc", 1, 2},  {"abcabc", "bc", 3, 5},  {"abcabc", "bc", 6, 0}, {"abcabc", "bc", -4, 2},
        {"abcabc", "bc", 0, 2},  {"abcabc", "bc", 99, 0}, {"", "a", 1, 0},         {"abc", "", 1, 0},
        {"abc", "abcd", 1, 0},   {"Abc", "a", 1, 0},      {"abc", "c", 3, 3},
    };
    for (const auto& c : cases)
        EXPECT_EQ(findText(c.text, c.search, c.start), c.expected) << c.text << " / " << c.search << " @" << c.start;
}

TEST(RemoveAll, ScansOnBehindEachRemovalSoJoinedOccurrencesStay) {
    EXPECT_EQ(removeAll("aabb", "ab"), "ab");
    EXPECT_EQ(removeAll("a,12b,12,1", ",12"), "ab,1");
    EXPECT_EQ(removeAll("abc", ""), "abc");
    EXPECT_EQ(removeAll("", "x"), "");
    EXPECT_EQ(removeAll("xxxx", "xx"), "");
}

TEST(ReplaceAll, InsertedReplacementIsNotScannedAgain) {
    EXPECT_EQ(replaceAll("aaa", "a", "aa"), "aaaaaa");
    EXPECT_EQ(replaceAll("a-b-c", "-", "--"), "a--b--c");
    EXPECT_EQ(replaceAll("lt;lt;", "lt;", "<"), "<<");
    EXPECT_EQ(replaceAll("abc", "", "x"), "abc");
    EXPECT_EQ(replaceAll("abab", "ab", ""), "");
}

struct BetweenCase {
    const char* text;
    const char* start;
    const char* end;
    const char* expected;
};

TEST(TextBetween, CutsBehindTheFirstStartMarker) {
    const BetweenCase cases[] = {
        {"f(a)(b)", "(", ")", "a"},
        {"x)y(z", "(", ")", ""},      // the only end marker lies before the start marker
        {"k,v,w", ",", ",", "v"},     // same marker: first and second occurrence
        {"ab", "a", "b", ""},         // adjacent markers look like a missing one
        {"abc", "", "c", ""},
        {"", "(", ")", ""},
        {"abc", "a", "", ""},
        {"a(b", "(", ")", ""},        // no end marker
        {"<b>x</b><b>y</b>", "<b>", "</b>", "x"},
        {"5,12,1234,'x',99", "'", "'", "x"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(textBetween(c.text, c.start, c.end), c.expected) << c.text;
}

TEST(DecodeEntities, RunsTheTwentyStepsInOrderThenDropsLeadingBlanks) {
    const std::pair<std::string, std::string> cases[] = {
        {"  Rock &amp; Roll", "Rock &amp; Roll"},
        {"&lt;b&gt;", "&<b&>"},               // "lt;" and "gt;" are replaced without their ampersand
        {"Adult;", "Adu<"},
        {"&amp;#33;", "&amp;!"},              // step 9
        {"a<span class=\"match\">b</span>c", "a b c"},
        {"<span class=\"match\">b</span>", "b "},  // the blank step 19 puts in front goes again
        {"&#092;&#39;&#036;&#33;", "\\'$!"},
        {"&#9679;&#9602;&#9603;&#9733;", "\x95\x95\x95\x95"},
        {"&#8220;x&#8221; &#8211; y&#8230;", "\"x\" - y..."},
        {"&quot;q&quot; &laquo;r&raquo;", "\"q\" \xABr\xBB"},
        {"&nbsp;&#8212;", "&nbsp;&#8212;"},   // not in the table: untouched
        {" \ttab stays ", "\ttab stays "},     // only blanks are stripped, only in front
        {"   ", ""},
        {"", ""},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(decodeEntities(in), out) << in;
}

TEST(PlainHelpers, LeftRightLowerDecimal) {
    EXPECT_EQ(leftPart("abcdef", 2), "ab");
    EXPECT_EQ(leftPart("abc", 9), "abc");
    EXPECT_EQ(leftPart("abc", -1), "");
    EXPECT_EQ(rightPart("photo.JPG", 4), ".JPG");
    EXPECT_EQ(rightPart("ab", 9), "ab");
    EXPECT_EQ(rightPart("ab", -3), "");
    EXPECT_EQ(lowerCase("PHOTO.JPG"), "photo.jpg");
    EXPECT_EQ(lowerCase(common::cp1251("ПРИВЕТ Ёлка ЇІЎ")), common::cp1251("привет ёлка їіў").str());
    EXPECT_EQ(decimal(0), "0");
    EXPECT_EQ(decimal(10), "10");
    EXPECT_EQ(decimal(-42), "-42");
}

TEST(ReadLine, SplitsAtEveryLineEndOfTheSystem) {
    const std::string file("a\r\nb\rc\n\nd", 9);
    EXPECT_EQ(common::splitLines(file), (std::vector<std::string>{"a", "b", "c", "", "d"}));
    EXPECT_EQ(common::splitLines(std::string("x\0y\r\n", 5)), (std::vector<std::string>{"x", "y"}));
}

// A parser keeps one current line and later tests see what earlier steps left of it.
TEST(CurrentLine, LaterTestsSeeTheOverwrittenLine) {
    std::string line = "<a onclick=\"playimg(this,12,5,'77',3)\"></a><div class=\"duration\">3:10</div>";
    line = textBetween(line, "(", ")");
    EXPECT_EQ(line, "this,12,5,'77',3");
    EXPECT_EQ(findText(line, "duration"), 0);
}

}  // namespace
}  // namespace web
