// The event loop's list modes and main-list table, driven by scripted events.

#include <gtest/gtest.h>

#include <functional>

#include "harness.h"
#include "common/cp1251.h"
#include "player/shell/controls.h"

namespace player::test {
namespace {

using platform::kChannelStopped;

void withResults(Harness& h) {
    h.web.audioResults = {{"Song A", "http://a/0.mp3"}, {"Song B", "http://a/1.mp3"}, {"Song C", "http://a/2.mp3"}};
    h.web.genres = {"Rock", "Pop"};
    h.web.stations = {{"Station X", "/x"}, {"Station Y", "/y"}};
    h.web.videoResults = {{"Clip 0", "/video0", "http://t/0.jpg"}, {"Clip 1", "/video1", "http://t/1.jpg"}};
}

void click(Harness& h, int control, int type = kLeftClick) {
    h.ui.queueControl(control, type);
    h.run();
}

void selectRow(Harness& h, int row) {
    h.ui.at(kMainList).selection = row;
    click(h, kMainList, kLeftClick);
}

void doubleClickRow(Harness& h, int row) {
    selectRow(h, row);
    click(h, kMainList, kDoubleClick);
}

void endStream(Harness& h) {
    if (auto* s = h.audio.stream(h.state.streamHandle))
        s->activity = kChannelStopped;
}

void turn(Harness& h) {
    h.ui.queueTick();
    h.run();
}

// The mode flags in the order local, radio, stations, playlist, video.
std::array<int, 5> modes(const PlayerState& s) {
    return {s.localMode, s.radioMode, s.stationsShown, s.playlistMode, s.videoMode};
}

struct ModeCase {
    const char* name;
    std::function<void(Harness&)> drive;
    std::array<int, 5> flags;
    int rows;
    std::string playing;  // source of the stream playing afterwards
    int autoAdvance;
};

class ModeMachine : public testing::TestWithParam<ModeCase> {};

TEST_P(ModeMachine, FlagsRowsAndPlayback) {
    Harness h;
    withResults(h);
    h.files.addFolder("/music");
    h.files.addFile("/music/one.mp3");
    h.files.addFile("/music/two.MP3");
    GetParam().drive(h);
    EXPECT_EQ(modes(h.state), GetParam().flags);
    EXPECT_EQ(static_cast<int>(h.rows().size()), GetParam().rows);
    EXPECT_EQ(h.playing(), GetParam().playing);
    EXPECT_EQ(h.state.autoAdvance, GetParam().autoAdvance);
}

const ModeCase kModeCases[] = {
    {"AtStart", [](Harness&) {}, {0, 0, 0, 0, 0}, 0, "", 0},
    {"AudioSearch", [](Harness& h) { click(h, kAudioSearchButton); }, {0, 0, 0, 0, 0}, 3, "", 0},
    {"SingleClickOnlySelects",
     [](Harness& h) {
         click(h, kAudioSearchButton);
         selectRow(h, 1);
     },
     {0, 0, 0, 0, 0}, 3, "", 0},
    {"DoubleClickPlaysTrack",
     [](Harness& h) {
         click(h, kAudioSearchButton);
         doubleClickRow(h, 1);
     },
     {0, 0, 0, 0, 0}, 3, "http://a/1.mp3", 1},
    {"DoubleClickWithNothingSelected",
     [](Harness& h) {
         click(h, kAudioSearchButton);
         h.ui.at(kMainList).selection = -1;
         click(h, kMainList, kDoubleClick);
     },
     {0, 0, 0, 0, 0}, 3, "", 0},
    {"RadioGenres", [](Harness& h) { click(h, kRadioButton); }, {0, 1, 0, 0, 0}, 2, "", 0},
    {"RadioKeepsLocalMode",
     [](Harness& h) {
         h.ui.dialogAnswer = "/music/one.mp3";
         click(h, kOpenFileButton);
         click(h, kRadioButton);
     },
     {1, 1, 0, 0, 0}, 2, "/music/one.mp3", 1},
    {"GenreDoubleClickListsStations",
     [](Harness& h) {
         click(h, kRadioButton);
         doubleClickRow(h, 1);
     },
     {0, 1, 1, 0, 0}, 2, "", 0},
    {"StationDoubleClickPlays",
     [](Harness& h) {
         click(h, kRadioButton);
         doubleClickRow(h, 0);
         doubleClickRow(h, 1);
     },
     {0, 1, 1, 0, 0}, 2, "station:http://dir.test/y", 0},
    {"StationEndStartsNothing",
     [](Harness& h) {
         click(h, kAudioSearchButton);
         doubleClickRow(h, 0);  // arms the advance
         click(h, kRadioButton);
         doubleClickRow(h, 0);
         doubleClickRow(h, 0);
         endStream(h);
         turn(h);
     },
     {0, 1, 1, 0, 0}, 2, "", 1},
    {"MyListAfterStations",
     [](Harness& h) {
         click(h, kRadioButton);
         doubleClickRow(h, 0);
         click(h, kMyListButton);
         doubleClickRow(h, 2);
     },
     {0, 0, 0, 1, 0}, 20, "http://www.beatlesradio.example:8000/stream", 0},
    {"VideoSearch", [](Harness& h) { click(h, kVideoSearchButton); }, {0, 0, 0, 0, 1}, 2, "", 0},
    {"OpeningAVideoStopsTheStreamAndDisarms",
     [](Harness& h) {
         click(h, kAudioSearchButton);
         doubleClickRow(h, 0);
         click(h, kVideoSearchButton);
         doubleClickRow(h, 1);
     },
     {0, 0, 0, 0, 1}, 2, "", 0},
    {"OpenFile",
     [](Harness& h) {
         h.ui.dialogAnswer = "/music/two.MP3";
         click(h, kOpenFileButton);
     },
     {1, 0, 0, 0, 0}, 2, "/music/two.MP3", 1},
    {"OpenFileFromAnyMode",
     [](Harness& h) {
         click(h, kVideoSearchButton);
         h.ui.dialogAnswer = "/music/one.mp3";
         click(h, kOpenFileButton);
     },
     {1, 0, 0, 0, 0}, 2, "/music/one.mp3", 1},
    {"AudioSearchLeavesLocalMode",
     [](Harness& h) {
         h.ui.dialogAnswer = "/music/one.mp3";
         click(h, kOpenFileButton);
         click(h, kAudioSearchButton);
     },
     {0, 0, 0, 0, 0}, 3, "/music/one.mp3", 1},
};

INSTANTIATE_TEST_SUITE_P(Events, ModeMachine, testing::ValuesIn(kModeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EventLoop, AudioSearchBuildsTheUrlExpandsAndShowsThePicture) {
    Harness h;
    withResults(h);
    h.ui.at(kAudioSearchField).text = "Moby Remix";
    click(h, kAudioSearchButton);
    EXPECT_EQ(h.web.calls, (std::vector<std::string>{
                               "searchAudio http://web.test/gsearch.php?section=audio&q=Moby Remix&name=1",
                               "searchPictures Moby Remix"}));
    EXPECT_EQ(h.state.searchText, "Moby Remix");
    EXPECT_EQ(h.ui.window.h, 560);
    EXPECT_EQ(h.state.listExpanded, 1);
    EXPECT_TRUE(h.ui.at(kListButton).hasPicture);
    EXPECT_EQ(h.ui.at(kWebContainer).rect, (Rect{-1681, 110, 482, 360}));
    EXPECT_EQ(h.ui.at(kPictureView).rect, (Rect{681, 110, 500, 380}));
    // The pressed look: picture 14 for 100 ms, then gone.
    EXPECT_EQ(h.ui.count("sleep 100"), 1);
    EXPECT_FALSE(h.ui.at(kAudioSearchButton).hasPicture);
    EXPECT_EQ(h.ui.at(kAudioSearchButton).rect, (Rect{953, 31, 24, 18}));
}

TEST(EventLoop, VideoSearchSwapsTheViewsWithoutResizing) {
    Harness h;
    withResults(h);
    click(h, kVideoSearchButton);
    EXPECT_EQ(h.web.calls.at(0), "searchVideo http://web.test/gsearch.php?section=video&q=National Geographic&name=1");
    EXPECT_EQ(h.state.requestUrl, "http://web.test/gsearch.php?section=video&q=National Geographic&name=1");
    EXPECT_EQ(h.ui.window.h, 91);
    EXPECT_EQ(h.ui.at(kWebContainer).rect.x, 681);
    EXPECT_EQ(h.ui.at(kPictureView).rect.x, -1681);
}

TEST(EventLoop, MyListShowsTheExpandedPicture) {
    Harness h;
    click(h, kMyListButton);
    EXPECT_TRUE(h.ui.at(kListButton).hasPicture);
    EXPECT_EQ(h.ui.at(kListButton).picture.width, 36);
    EXPECT_EQ(h.state.listExpanded, 1);
}

TEST(EventLoop, GenreAndStationAddressesGoInUnescaped) {
    Harness h;
    withResults(h);
    h.web.genres = {"Drum & Bass"};
    click(h, kRadioButton);
    doubleClickRow(h, 0);
    EXPECT_EQ(h.state.currentGenre, "Drum & Bass");
    EXPECT_EQ(h.web.calls.at(1), "listStations http://dir.test/by_genre/Drum & Bass");
    doubleClickRow(h, 1);
    EXPECT_EQ(h.state.currentTitle, "Station Y");
    EXPECT_EQ(h.web.calls.at(2), "playStation http://dir.test/y");
}

TEST(EventLoop, AdvancePlaysTheNextRowWhenTheTrackEnds) {
    Harness h;
    withResults(h);
    click(h, kAudioSearchButton);
    doubleClickRow(h, 0);
    turn(h);
    EXPECT_EQ(h.playing(), "http://a/0.mp3");  // still playing: nothing moves
    endStream(h);
    turn(h);
    EXPECT_EQ(h.playing(), "http://a/1.mp3");
    EXPECT_EQ(h.state.currentRow, 1);
    EXPECT_EQ(h.ui.at(kMainList).selection, 1);
    EXPECT_EQ(h.state.currentTitle, "Song B");
}

TEST(EventLoop, PausedStreamCountsAsActive) {
    Harness h;
    withResults(h);
    click(h, kAudioSearchButton);
    doubleClickRow(h, 0);
    click(h, kPlayPauseButton);
    turn(h);
    EXPECT_EQ(h.audio.stream(h.state.streamHandle)->source, "http://a/0.mp3");
}

TEST(EventLoop, AdvanceMovesPastAFailingRowOnTheNextTurn) {
    Harness h;
    withResults(h);
    h.audio.failingSources = {"http://a/1.mp3"};
    click(h, kAudioSearchButton);
    doubleClickRow(h, 0);
    endStream(h);
    turn(h);
    EXPECT_EQ(h.state.streamHandle, 0u);
    EXPECT_EQ(h.state.currentRow, 1);
    turn(h);
    EXPECT_EQ(h.playing(), "http://a/2.mp3");
    EXPECT_EQ(h.state.currentRow, 2);
}

TEST(EventLoop, AdvanceRestsAfterTheLastRowInsteadOfPlayingStaleEntries) {
    Harness h;
    withResults(h);
    h.state.trackUrls[3] = "http://stale/earlier-search.mp3";
    click(h, kAudioSearchButton);
    doubleClickRow(h, 2);
    endStream(h);
    turn(h);
    turn(h);
    EXPECT_EQ(h.state.autoAdvance, 0);
    EXPECT_EQ(h.playing(), "");
    for (const auto& call : h.audio.calls)
        EXPECT_EQ(call.find("stale"), std::string::npos) << call;
}

TEST(EventLoop, AdvanceWithNothingSelectedStartsAtRowZero) {
    Harness h;
    withResults(h);
    click(h, kAudioSearchButton);
    doubleClickRow(h, 2);
    h.ui.at(kMainList).selection = -1;
    endStream(h);
    turn(h);
    EXPECT_EQ(h.playing(), "http://a/0.mp3");
}

TEST(EventLoop, VideoRowClickFetchesItsThumbnailAndDoubleClickOpensThePage) {
    Harness h;
    withResults(h);
    click(h, kVideoSearchButton);
    selectRow(h, 1);
    EXPECT_EQ(h.state.thumbUrl, "http://t/1.jpg");
    EXPECT_EQ(h.web.calls.back(), "thumbnail http://t/1.jpg");
    click(h, kMainList, kDoubleClick);
    EXPECT_EQ(h.web.calls.back(), "openVideoPage /video1");
    EXPECT_EQ(h.state.videoLink, "/video1");
    EXPECT_EQ(h.state.currentTitle, "Clip 1");
}

TEST(EventLoop, QualityButtonsUseCurrentRowWhateverTheListShows) {
    Harness h;
    withResults(h);
    h.state.videoLinks[0] = "/v0";
    h.state.videoLinks[1] = "/v1";
    click(h, 240);
    EXPECT_EQ(h.web.calls.back(), "buildVideoLink /v0 240");
    EXPECT_EQ(h.ui.log.back(), "navigate 35 /v0/240.mp4");
    click(h, kAudioSearchButton);
    selectRow(h, 1);
    click(h, 720);
    EXPECT_EQ(h.web.calls.back(), "buildVideoLink /v1 720");
    click(h, 480, kRightClick);  // only a left click downloads
    EXPECT_EQ(h.web.calls.back(), "buildVideoLink /v1 720");
    click(h, kQualityFlvButton, kRightClick);  // the FLV button takes any event
    EXPECT_EQ(h.web.calls.back(), "buildVideoLink /v1 flv");
    EXPECT_EQ(h.ui.log.back(), "navigate 35 /v1/flv.mp4");
}

TEST(EventLoop, QualityButtonsBeyondTheVideoTableReadAnEmptyLink) {
    Harness h;
    h.web.audioResults.assign(60, {"t", "http://x"});
    click(h, kAudioSearchButton);
    selectRow(h, 55);
    click(h, 360);
    EXPECT_EQ(h.web.calls.back(), "buildVideoLink  360");
}

TEST(EventLoop, PlaylistDuplicateTitlesPlayTheFirstUrl) {
    Harness h;
    h.files.writeFile("/tmp/Playlist.pls",
                      common::cp1251("[Мой плейлист]\r\nFile0=http://first\r\nTitle0=Same\r\n"
                                     "File1=http://second\r\nTitle1=Same\r\n").str());
    click(h, kMyListButton);
    h.state.currentGenre = "Rock";
    doubleClickRow(h, 1);
    EXPECT_EQ(h.playing(), "http://first");
    EXPECT_EQ(h.state.playlistUrl, "http://first");
    EXPECT_EQ(h.state.currentGenre, "");
}

TEST(EventLoop, HistoryChoiceBecomesTheSearchText) {
    Harness h;
    click(h, kHistoryButton);
    EXPECT_EQ(h.ui.count("open 30"), 1);
    h.ui.at(kHistoryList).selection = 3;
    click(h, kHistoryList, 7);  // any event of the drop-down
    EXPECT_EQ(h.ui.at(kAudioSearchField).text, h.ui.at(kHistoryList).items.at(3));
}

TEST(EventLoop, CloseRequestKeepsRunningAndQuitButtonRunsTheExitPath) {
    Harness h;
    h.ui.queueEvent({kCloseRequest, 0, 0, 0});
    EXPECT_EQ(loopTurn(h.shell), Turn::Continue);
    h.ui.queueControl(kQuitButton, kRightClick);
    EXPECT_EQ(loopTurn(h.shell), Turn::Continue);
    h.ui.queueControl(kQuitButton);
    EXPECT_EQ(loopTurn(h.shell), Turn::Exit);
    EXPECT_TRUE(h.ui.at(kHistoryList).destroyed);
}

TEST(EventLoop, RunEventLoopEndsWithCodeZero) {
    Harness h;
    h.ui.queueTick();
    h.ui.queueControl(kQuitButton);
    EXPECT_EQ(runEventLoop(h.shell), 0);
}

}  // namespace
}  // namespace player::test
