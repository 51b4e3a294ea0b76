#include <gtest/gtest.h>

#include "common/cp1251.h"
#include "player/web/radio.h"
#include "player/web/tests/fakes.h"

namespace web {
namespace {

std::string nameLine(const std::string& name) {
    return "<span class=\"name\"><a href=\"#\" onclick=\"play(1);\">" + name + "</a></span>";
}
std::string linkLine(const std::string& link) { return "<p>[ <a href=\"" + link + "\">M3U</a> ]</p>"; }

std::string answer(const std::string& body) {
    return "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}

struct Radio : ::testing::Test {
    webtest::Rig rig;
    void serve(const std::string& raw) { rig.connector.pieces = {raw}; }
};

TEST_F(Radio, GenresComeFromTheWrittenListInItsOrder) {
    ASSERT_TRUE(writeGenreList(rig.files, rig.system));
    rig.list.rows = {"old"};
    listGenres(rig.ports);
    ASSERT_EQ(rig.list.rows.size(), 281u);
    EXPECT_EQ(rig.list.rows[12], "Adult Contemporary");
    EXPECT_EQ(rig.list.rows[13], "Adult");
    EXPECT_EQ(rig.list.rows[73], "Contemporary R&amp;B");
}

TEST_F(Radio, MissingGenreFileLeavesTheListEmpty) {
    rig.list.rows = {"old"};
    listGenres(rig.ports);
    EXPECT_TRUE(rig.list.rows.empty());
}

TEST_F(Radio, StationPageGivesRowsAndLinks) {
    serve(answer("<html>\n" + nameLine("Radio One") + "\n" + linkLine("/listen/1/a.m3u") + "\n" +
                 nameLine("Two &amp; Co") + "\n" + linkLine("/listen/2/b.m3u") + "\n"));
    listStations(rig.ports, genrePageUrl(rig.config, "Acid House"));
    EXPECT_EQ(rig.list.rows, (std::vector<std::string>{"Radio One", "Two &amp; Co"}));
    EXPECT_EQ(rig.state.stationLinks[1], "/listen/2/b.m3u");
    EXPECT_EQ(rig.state.currentTitle, "Two &amp; Co");
    EXPECT_EQ(rig.files.content("/work/Spisok.txt").substr(0, 6), "<html>");
    EXPECT_EQ(rig.connector.connects, std::vector<std::string>{"radio.test:80"});
    EXPECT_TRUE(rig.connector.sent.starts_with("GET /by_genre/Acid House HTTP/1.1\r\n")) << rig.connector.sent;
}

TEST_F(Radio, StationPageEdgeCases) {
    struct Case {
        std::string page;
        std::vector<std::string> rows;
        std::vector<std::string> links;
    };
    const Case cases[] = {
        // both markers on one line: a row and a link
        {nameLine("Both") + linkLine("/b.pls"), {"Both"}, {"/b.pls"}},
        // links without names: the table fills, the list stays empty
        {linkLine("/x") + "\n" + linkLine("/y"), {}, {"/x", "/y"}},
        // a name line whose cut is empty still adds a row; a link line without the quoted form
        // still takes a slot
        {"<span class=\"name\">plain</span>\n<p>[ <a href=/z>", {""}, {""}},
    };
    for (const auto& c : cases) {
        webtest::Rig r;
        parseStationList(r.state, r.list, c.page);
        EXPECT_EQ(r.list.rows, c.rows) << c.page;
        for (size_t i = 0; i < c.links.size(); ++i)
            EXPECT_EQ(r.state.stationLinks[i], c.links[i]) << c.page;
    }
}

TEST_F(Radio, LinksPastTheTableAreIgnored) {
    std::string page;
    for (int i = 0; i < 95; ++i)
        page += nameLine("S" + std::to_string(i)) + "\n" + linkLine("/s" + std::to_string(i)) + "\n";
    parseStationList(rig.state, rig.list, page);
    EXPECT_EQ(rig.list.rows.size(), 92u);
    EXPECT_EQ(rig.state.stationLinks[91], "/s91");
}

TEST_F(Radio, FailedGenrePageLeavesListEmptyAndLinksAsTheyWere) {
    rig.state.stationLinks[0] = "/kept";
    rig.list.rows = {"old"};
    serve("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n");
    listStations(rig.ports, "http://radio.test/by_genre/Jazz");
    EXPECT_TRUE(rig.list.rows.empty());
    EXPECT_EQ(rig.state.stationLinks[0], "/kept");
}

TEST_F(Radio, StationPlaysTheFirstLineOfItsEntry) {
    rig.state.streamHandle = rig.audio.streamCreateUrl("http://old.stream/");
    rig.audio.calls.clear();
    rig.state.volume = 0.25f;
    serve(answer("http://stream.test:8000/live\r\nhttp://second.test/\r\n"));
    playStation(rig.ports, stationEntryUrl(rig.config, "/listen/1/a.m3u"));
    EXPECT_TRUE(rig.connector.sent.starts_with("GET /listen/1/a.m3u HTTP/1.1\r\n"));
    EXPECT_EQ(rig.audio.calls,
              (std::vector<std::string>{"free 1", "createUrl http://stream.test:8000/live", "play 2"}));
    EXPECT_EQ(rig.state.streamHandle, 2u);
    EXPECT_FLOAT_EQ(rig.audio.stream(2)->volume, 0.25f);
    EXPECT_EQ(rig.files.content("/work/Temp.pls").substr(0, 4), "http");
}

TEST_F(Radio, EmptyRedirectAnswerStopsTheStationAndPlaysNothing) {
    rig.state.streamHandle = rig.audio.streamCreateUrl("http://old.stream/");
    serve("HTTP/1.1 302 Found\r\nLocation: http://elsewhere/\r\nContent-Length: 0\r\n\r\n");
    playStation(rig.ports, "http://radio.test/listen/9");
    EXPECT_EQ(rig.files.content("/work/Temp.pls"), "");
    EXPECT_EQ(rig.state.streamHandle, 0u);
    EXPECT_EQ(rig.audio.stream(1), nullptr);
}

}  // namespace
}  // namespace web
