#include <gtest/gtest.h>

#include "player/web/video_search.h"
#include "player/web/tests/fakes.h"

namespace web {
namespace {

std::string nameLine(const std::string& link, const std::string& title) {
    return "<a class='aname' href=\"" + link + "\">" + title + "</a>";
}
std::string thumbLine(const std::string& address) { return "<img src=\"" + address + "\" class=\"t\">"; }
std::string infoLine(const std::string& info) { return "<div class=\"ainfo\"><b class='l'>" + info + "</b></div>"; }

std::string result(int i) {
    const std::string n = std::to_string(i);
    return nameLine("video1_" + n, "Film " + n) + "\n" + thumbLine("http://img.test/" + n + ".jpg") + "\n" +
           infoLine(n + ":00") + "\n";
}

const std::string kUrl = "http://web.test/gsearch.php?section=video&q=x&name=1";

struct VideoSearch : ::testing::Test {
    webtest::Rig rig;
    void serve(const std::string& body) { rig.downloader.answers[kUrl] = body; }
    void search() { searchVideo(rig.ports, kUrl); }
};

TEST_F(VideoSearch, EveryResultGivesRowLinkTitleAndThumbnail) {
    serve(nameLine("video5_6", "National &quot;Geographic&quot;") + "\r\n" + thumbLine("http://img.test/a.jpg") +
          "\r\n" + infoLine("12:04") + "\r\n" + result(1));
    search();
    ASSERT_EQ(rig.list.rows.size(), 2u);
    EXPECT_EQ(rig.list.rows[0], "National \"Geographic\"\n12:04");
    EXPECT_EQ(rig.state.videoLinks[0], "video5_6");
    EXPECT_EQ(rig.state.videoThumbs[0], "http://img.test/a.jpg");
    EXPECT_EQ(rig.state.videoTitles[1], "Film 1");
    EXPECT_EQ(rig.state.currentTitle, "Film 1");
    EXPECT_EQ(rig.downloader.requests.at(0).second, "/tmp/Text.txt");
}

TEST_F(VideoSearch, ThumbnailCutHidesTheInformationTestOfItsLine) {
    serve(nameLine("v0", "A") + "\n" + nameLine("v1", "B") + "\n" +
          // thumbnail and information on one line: the information test sees "http://i/a."
          thumbLine("http://i/a.jpg") + infoLine("1:00") + "\n" +
          // unless "ainfo" lies inside the thumbnail text itself
          "<img src=\"http://i/ainfo'>x</b>.jpg\">\n");
    search();
    ASSERT_EQ(rig.list.rows.size(), 1u);
    EXPECT_EQ(rig.list.rows[0], "A\nx");
    EXPECT_EQ(rig.state.videoThumbs[1], "http://i/ainfo'>x</b>.jpg");
}

TEST_F(VideoSearch, ThumbnailEdgeCases) {
    serve(
        // an apostrophe after the equals sign: the line becomes empty, no thumbnail and no row
        "<img src='http://i/q.jpg'><div class=\"ainfo\"><b class='l'>1:00</b></div>\n"
        // whatever follows the first "jpg" is dropped
        "<img src=\"http://i/a.png?fmt=jpg&s=2\">\n"
        // information without "'>": a row with an empty second column
        "<div class=\"ainfo\"><b>2:00</b></div>\n");
    search();
    EXPECT_EQ(rig.state.videoThumbs[0], "http://i/a.png?fmt=jpg");
    ASSERT_EQ(rig.list.rows.size(), 1u);
    EXPECT_EQ(rig.list.rows[0], "\n");
}

TEST_F(VideoSearch, FailedFetchShowsNothingAndKeepsTheTables) {
    serve(result(0));
    search();
    rig.downloader.answers.clear();
    search();
    EXPECT_TRUE(rig.list.rows.empty());
    EXPECT_EQ(rig.state.videoLinks[0], "video1_0");
}

TEST_F(VideoSearch, ResultsPastTheTablesAreIgnored) {
    std::string p;
    for (int i = 0; i < 56; ++i)
        p += result(i);
    serve(p);
    search();
    EXPECT_EQ(rig.list.rows.size(), 52u);
    EXPECT_EQ(rig.state.videoLinks[51], "video1_51");
    EXPECT_EQ(rig.state.videoThumbs[51], "http://img.test/51.jpg");
}

TEST_F(VideoSearch, NameLinesAlwaysStoreEvenWhenEmpty) {
    rig.state.videoLinks[0] = "old";
    serve("<span class=aname>no link</span>\n" + infoLine("1:00") + "\n");
    search();
    EXPECT_EQ(rig.state.videoLinks[0], "");
    EXPECT_EQ(rig.list.rows, std::vector<std::string>{"\n1:00"});
}

}  // namespace
}  // namespace web
