// Starting streams, play/pause, seek, Next and Previous.

#include <gtest/gtest.h>

#include "harness.h"
#include "player/shell/controls.h"
#include "player/shell/transport.h"

namespace player::test {
namespace {

void click(Harness& h, int control, int type = kLeftClick) {
    h.ui.queueControl(control, type);
    h.run();
}

void audioResults(Harness& h) {
    h.web.audioResults = {{"A", "http://a/0"}, {"B", "http://a/1"}, {"C", "http://a/2"}};
    click(h, kAudioSearchButton);
}

void selectRow(Harness& h, int row) {
    h.ui.at(kMainList).selection = row;
    click(h, kMainList);
}

TEST(Transport, StartUrlStreamFreesCreatesPlaysAndSetsVolume) {
    Harness h;
    h.state.volume = 0.25f;
    startUrlStream(h.shell, "http://one");
    h.mark();
    startUrlStream(h.shell, "http://two");
    EXPECT_EQ(h.audioCalls(), (std::vector<std::string>{"free 1", "createUrl http://two", "play 2"}));
    EXPECT_FLOAT_EQ(h.audio.stream(2)->volume, 0.25f);
}

TEST(Transport, FailedStreamLeavesHandleZeroAndStillArms) {
    Harness h;
    h.audio.failingSources = {"http://dead"};
    h.state.trackUrls[4] = "http://dead";
    h.state.localMode = 1;
    playTrack(h.shell, 4);
    EXPECT_EQ(h.state.streamHandle, 0u);
    EXPECT_EQ(h.state.autoAdvance, 1);
    EXPECT_EQ(h.state.localMode, 0);
}

TEST(Transport, PlayTrackOutsideTheTableTriesAnEmptyAddress) {
    Harness h;
    playTrack(h.shell, 112);
    playTrack(h.shell, -1);
    EXPECT_EQ(h.state.streamHandle, 0u);
    EXPECT_EQ(h.audio.calls.back(), "play 0");
}

std::string id3Block(const std::string& title, const std::string& artist, const std::string& album,
                     const std::string& year) {
    std::string block(128, '\0');
    block.replace(0, 3, "TAG");
    block.replace(3, title.size(), title);
    block.replace(33, artist.size(), artist);
    block.replace(63, album.size(), album);
    block.replace(93, year.size(), year);
    return block;
}

TEST(Transport, LocalFileTakesItsId3v1TitleOrKeepsTheName) {
    Harness h;
    h.audio.id3ByPath["/m/song.mp3"] = id3Block("Enjoy the Silence ", "Depeche Mode", "Violator", "1990");
    h.state.localPath = "/m/other.mp3";
    h.state.currentTitle = "song.mp3";
    playLocalFile(h.shell);
    EXPECT_EQ(h.audio.stream(h.state.streamHandle)->source, "/m/song.mp3");
    EXPECT_EQ(h.state.currentTitle, "Depeche Mode  Enjoy the Silence   Violator  1990");
    EXPECT_EQ(h.state.autoAdvance, 1);
    EXPECT_EQ(h.state.localMode, 1);

    h.state.currentTitle = "plain.mp3";
    playLocalFile(h.shell);
    EXPECT_EQ(h.state.currentTitle, "plain.mp3");
}

TEST(Transport, Id3FieldsRunTheirFullLengthWithoutAZeroByte) {
    std::string block = id3Block("", "", "", "");
    block.replace(3, 30, std::string(30, 'T'));
    block.replace(93, 4, "2001");
    block[97] = 'X';  // the comment right after the year is not part of it
    EXPECT_EQ(id3v1Title(block), "  " + std::string(30, 'T') + "    2001");
    EXPECT_EQ(id3v1Title("short"), std::nullopt);
}

TEST(Transport, PausedButtonNeedsTwoClicksAfterANewTrack) {
    Harness h;
    audioResults(h);
    selectRow(h, 0);
    click(h, kMainList, kDoubleClick);
    click(h, kPlayPauseButton);
    EXPECT_EQ(h.state.paused, 1);
    EXPECT_EQ(h.audio.channelIsActive(h.state.streamHandle), platform::kChannelPaused);
    EXPECT_EQ(h.ui.at(kPlayPauseButton).rect, (Rect{63, 31, 33, 18}));

    selectRow(h, 1);
    click(h, kMainList, kDoubleClick);
    EXPECT_EQ(h.playing(), "http://a/1");  // the new track plays at once
    EXPECT_TRUE(h.ui.at(kPlayPauseButton).hasPicture);

    click(h, kPlayPauseButton);  // first click: "resume", the stream goes on playing
    EXPECT_EQ(h.state.paused, 0);
    EXPECT_FALSE(h.ui.at(kPlayPauseButton).hasPicture);
    EXPECT_EQ(h.ui.at(kPlayPauseButton).rect.h, 18);  // keeps the size of the removed picture
    EXPECT_EQ(h.audio.channelIsActive(h.state.streamHandle), platform::kChannelPlaying);
    click(h, kPlayPauseButton);
    EXPECT_EQ(h.audio.channelIsActive(h.state.streamHandle), platform::kChannelPaused);
}

struct SeekCase {
    const char* name;
    int trackLength;
    Point pointer;
    std::string expectedCall;  // empty: no call
};

class Seek : public testing::TestWithParam<SeekCase> {};

TEST_P(Seek, PositionFromThePointer) {
    Harness h;
    startUrlStream(h.shell, "http://s");
    h.state.trackLength = GetParam().trackLength;
    h.ui.queueEvent({kControlEvent, 0, kPositionBar, kRightClick}, GetParam().pointer);
    h.mark();
    h.run();
    std::vector<std::string> seeks;
    for (const auto& call : h.audioCalls())
        if (call.rfind("setPosition", 0) == 0)
            seeks.push_back(call);
    if (GetParam().expectedCall.empty())
        EXPECT_TRUE(seeks.empty());
    else
        EXPECT_EQ(seeks, std::vector<std::string>{GetParam().expectedCall});
}

const SeekCase kSeekCases[] = {
    {"Middle", 442000, {472, 58}, "setPosition 1 100000"},
    {"LeftEdge", 442000, {372, 58}, "setPosition 1 0"},
    {"StepIsDividedFirst", 1000, {813, 58}, "setPosition 1 882"},
    {"NotTimedYet", 0, {600, 58}, "setPosition 1 0"},
    {"ShorterThanTheBar", 441, {700, 58}, "setPosition 1 0"},
    {"LiveStream", -1, {700, 58}, "setPosition 1 0"},
    {"PointerLeftTheWindow", 442000, {-1, -1}, ""},
};

INSTANTIATE_TEST_SUITE_P(Bar, Seek, testing::ValuesIn(kSeekCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Transport, PreviousOnTheFirstRowDoesNothing) {
    Harness h;
    audioResults(h);
    selectRow(h, 0);
    h.mark();
    click(h, kPreviousButton);
    EXPECT_EQ(h.state.currentRow, 0);
    EXPECT_EQ(h.ui.at(kMainList).selection, 0);
    EXPECT_TRUE(h.audioCalls().empty());
    EXPECT_EQ(h.ui.count("sleep 100"), 2);  // the search and Previous flashed
}

TEST(Transport, NextAndPreviousPlayNeighbouringTracks) {
    Harness h;
    audioResults(h);
    selectRow(h, 1);
    click(h, kNextButton);
    EXPECT_EQ(h.playing(), "http://a/2");
    EXPECT_EQ(h.state.currentTitle, "C");
    click(h, kPreviousButton);
    click(h, kPreviousButton);
    EXPECT_EQ(h.playing(), "http://a/0");
    EXPECT_EQ(h.state.currentRow, 0);
}

TEST(Transport, NextBeforeAnyListEventUsesTheAudioResultsLine) {
    Harness h;
    audioResults(h);
    click(h, kNextButton);
    EXPECT_EQ(h.state.clickedRow, 0);
    EXPECT_EQ(h.playing(), "http://a/0");
}

TEST(Transport, NextOnTheLastRowPlaysNothingStale) {
    Harness h;
    h.state.trackUrls[3] = "http://stale";
    audioResults(h);
    selectRow(h, 2);
    click(h, kNextButton);
    EXPECT_EQ(h.playing(), "");
    EXPECT_EQ(h.ui.at(kMainList).selection, 2);
}

TEST(Transport, NextInTheGenreListOnlyMovesTheSelection) {
    Harness h;
    h.web.genres = {"Rock", "Pop", "Jazz"};
    click(h, kRadioButton);
    selectRow(h, 0);
    h.mark();
    click(h, kNextButton);
    EXPECT_EQ(h.ui.at(kMainList).selection, 1);
    EXPECT_EQ(h.state.currentRow, 1);
    EXPECT_TRUE(h.audioCalls().empty());
    EXPECT_EQ(h.web.calls.size(), 1u);
}

TEST(Transport, NextInTheStationListPlaysTheStation) {
    Harness h;
    h.web.genres = {"Rock"};
    h.web.stations = {{"S0", "/s0"}, {"S1", "/s1"}};
    click(h, kRadioButton);
    selectRow(h, 0);
    click(h, kMainList, kDoubleClick);
    selectRow(h, 0);
    click(h, kNextButton);
    EXPECT_EQ(h.web.calls.back(), "playStation http://dir.test/s1");
    EXPECT_EQ(h.state.requestUrl, "http://dir.test/s1");
}

TEST(Transport, NextInThePlaylistPlaysTheNeighbouringEntry) {
    Harness h;
    click(h, kMyListButton);
    selectRow(h, 2);
    click(h, kNextButton);
    EXPECT_EQ(h.playing(), h.state.playlistEntries.at(3).url);
    EXPECT_EQ(h.state.playlistUrl, h.state.playlistEntries.at(3).url);
    click(h, kPreviousButton);
    EXPECT_EQ(h.playing(), h.state.playlistEntries.at(2).url);
}

TEST(Transport, NextInVideoResultsOnlyMovesTheSelection) {
    Harness h;
    h.web.videoResults = {{"V0", "/v0", "t0"}, {"V1", "/v1", "t1"}};
    click(h, kVideoSearchButton);
    selectRow(h, 0);
    h.mark();
    click(h, kNextButton);
    EXPECT_EQ(h.state.currentRow, 1);
    EXPECT_TRUE(h.audioCalls().empty());
}

}  // namespace
}  // namespace player::test
