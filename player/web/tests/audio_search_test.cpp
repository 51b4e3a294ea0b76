#include <gtest/gtest.h>

#include "common/cp1251.h"
#include "player/web/audio_search.h"
#include "player/web/tests/fakes.h"

namespace web {
namespace {

// One result of the search page as the network writes it: address, title, duration lines.
std::string playLine(const std::string& server, const std::string& user, const std::string& id) {
    return "<img class=\"playimg\" onclick=\"operate(77," + server + "," + user + ",'" + id + "',215)\" src=\"p.gif\">";
}
std::string titleLine(const std::string& title) {
    return "<div class=\"performer\"><b><a href='#s;'>" + title + "</a></b></span></div>";
}
std::string durationLine(const std::string& duration) { return "<div class=\"duration\">" + duration + "</div>"; }

std::string result(int i) {
    const std::string n = std::to_string(i);
    return playLine("47" + n, "100" + n, "id" + n) + "\r\n" + titleLine("Artist - Song " + n) + "\r\n" +
           durationLine("3:" + std::to_string(10 + i % 50)) + "\r\n";
}

std::string page(int from, int count) {
    std::string p = "<html><body>\r\n";
    for (int i = from; i < from + count; ++i)
        p += result(i);
    return p + "</body></html>\r\n";
}

const std::string kUrl = "http://web.test/gsearch.php?section=audio&q=x&name=1";

struct AudioSearch : ::testing::Test {
    webtest::Rig rig;
    void serve(const std::string& body) { rig.downloader.answers[kUrl] = body; }
    void search() { searchAudio(rig.ports, kUrl); }
};

TEST_F(AudioSearch, EveryResultGivesRowAddressAndTitle) {
    serve("<p>\r\n" + playLine("4791", "12961742", "b3c6a1f2e1") + "\n" +
          titleLine("Depeche Mode - Enjoy the Silence &quot;Remix&quot;") + "\n" + durationLine("4:15") + "\n" +
          result(1));
    search();
    ASSERT_EQ(rig.list.rows.size(), 2u);
    EXPECT_EQ(rig.list.rows[0], "0     Depeche Mode - Enjoy the Silence \"Remix\"\n4:15");
    EXPECT_EQ(rig.state.trackUrls[0], "http://cs4791.media.test/u12961742/audio/b3c6a1f2e1.mp3");
    EXPECT_EQ(rig.state.trackUrls[1], "http://cs471.media.test/u1001/audio/id1.mp3");
    EXPECT_EQ(rig.state.trackTitles[1], "Artist - Song 1");
    // The parser builds its titles in currentTitle, undecoded: the last one stays.
    EXPECT_EQ(rig.state.currentTitle, "Artist - Song 1");
    EXPECT_EQ(rig.downloader.requests.at(0).second, "/tmp/audio.txt");
}

TEST_F(AudioSearch, RowNumbersAreFollowedByFiveOrThreeBlanks) {
    serve(page(0, 12));
    search();
    ASSERT_EQ(rig.list.rows.size(), 12u);
    EXPECT_EQ(rig.list.rows[9].substr(0, 6), "9     ");
    EXPECT_EQ(rig.list.rows[10].substr(0, 5), "10   ");
    EXPECT_EQ(rig.list.rows[10], "10   Artist - Song 10\n3:20");
}

TEST_F(AudioSearch, ShorterSearchLeavesLaterEntriesOfTheEarlierOne) {
    serve(page(0, 10));
    search();
    serve(page(100, 4));
    search();
    EXPECT_EQ(rig.list.rows.size(), 4u);
    EXPECT_EQ(rig.state.trackTitles[3], "Artist - Song 103");
    EXPECT_EQ(rig.state.trackTitles[4], "Artist - Song 4");
    EXPECT_EQ(rig.state.trackUrls[9], "http://cs479.media.test/u1009/audio/id9.mp3");
}

TEST_F(AudioSearch, MissingTitleLinePutsRowsAndTablesOutOfStep) {
    serve(page(0, 3));
    search();
    serve(playLine("9", "3", "a") + "\n" + titleLine("A") + "\n" + durationLine("1:00") + "\n" +
          playLine("9", "3", "b") + "\n" + durationLine("2:00") + "\n" +  // no title line
          playLine("9", "3", "c") + "\n" + titleLine("C") + "\n" + durationLine("3:00") + "\n");
    search();
    // A row takes its title when its duration line comes; from the gap on, the titles of this
    // page lag behind, so later rows show what the earlier search left at their index.
    ASSERT_EQ(rig.list.rows.size(), 3u);
    EXPECT_EQ(rig.list.rows[0], "0     A\n1:00");
    EXPECT_EQ(rig.list.rows[1], "1     Artist - Song 1\n2:00");
    EXPECT_EQ(rig.list.rows[2], "2     Artist - Song 2\n3:00");
    // while row 1 plays address b under the title of result c
    EXPECT_EQ(rig.state.trackTitles[1], "C");
    EXPECT_EQ(rig.state.trackUrls[1], "http://cs9.media.test/u3/audio/b.mp3");
}

TEST_F(AudioSearch, AddressLineEdgeCases) {
    serve(
        // no apostrophes: no address, the counter stays
        "<img class=\"playimg\" onclick=\"operate(1,2,3,4)\">\n"
        // a comma and the server number go wherever they stand
        "<img class=\"playimg\" onclick=\"operate(5,12,1234,'x',99)\">\n"
        // address and duration on one line: the duration test sees the cut text
        "<img class=\"playimg\" onclick=\"operate(1,22,333,'y',9)\"><div class=\"duration\">1:00</div>\n");
    search();
    EXPECT_EQ(rig.state.trackUrls[0], "http://cs12.media.test/u'x'/audio/x.mp3");
    EXPECT_EQ(rig.state.trackUrls[1], "http://cs22.media.test/u333/audio/y.mp3");
    EXPECT_TRUE(rig.list.rows.empty());
}

TEST_F(AudioSearch, ResultsPastTheTablesAreIgnored) {
    serve(page(0, 115));
    search();
    EXPECT_EQ(rig.list.rows.size(), 112u);
    EXPECT_EQ(rig.state.trackTitles[111], "Artist - Song 111");
    EXPECT_EQ(rig.list.rows[111], "111   Artist - Song 111\n3:21");
}

TEST_F(AudioSearch, FailedFetchReadsTheEarlierPageAgain) {
    serve(page(0, 2));
    search();
    rig.downloader.answers.clear();
    rig.list.rows.push_back("stale");
    search();
    EXPECT_EQ(rig.list.rows.size(), 2u);
}

TEST_F(AudioSearch, NoPageFileLeavesListEmptyAndTablesAsTheyWere) {
    rig.state.trackTitles[0] = "kept";
    rig.list.rows.push_back("old row");
    search();
    EXPECT_TRUE(rig.list.rows.empty());
    EXPECT_EQ(rig.state.trackTitles[0], "kept");
}

TEST_F(AudioSearch, SearchTextGoesIntoTheAddressUnencoded) {
    const std::string text = "Depeche Mode " + common::cp1251("Ремикс").str();
    searchAudio(rig.ports, audioSearchUrl(rig.config, text));
    EXPECT_EQ(rig.downloader.requests.at(0).first,
              "http://web.test/gsearch.php?section=audio&q=Depeche Mode \xD0\xE5\xEC\xE8\xEA\xF1&name=1");
}

}  // namespace
}  // namespace web
