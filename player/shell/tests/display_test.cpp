// The display timer's pixels, texts and state.

#include <gtest/gtest.h>

#include "harness.h"
#include "player/shell/controls.h"
#include "player/shell/display.h"
#include "player/shell/transport.h"

namespace player::test {
namespace {

using common::Picture;

Rgb pixel(const Picture& p, int x, int y) {
    const uint8_t* px = p.pixel(x, y);
    return {px[0], px[1], px[2]};
}
Rgb grey(int n) { return {n, n, n}; }

constexpr int kOddRowGreys[14] = {25, 24, 24, 22, 22, 21, 20, 19, 18, 17, 16, 15, 14, 14};

// What one column of a bar picture must hold for a bar of height h.
Rgb expectedBarRow(int y, int h) {
    if (y % 2 == 1)
        return grey(kOddRowGreys[y / 2]);
    const int top = 29 - h;
    if (y >= top && y < top + h / 6)
        return {240, 241, 220};
    if (y >= top)
        return grey(96);
    return grey(38);
}

void expectBar(const Picture& bar, int h) {
    ASSERT_EQ(bar.width, 10);
    ASSERT_EQ(bar.height, 29);
    for (int y = 0; y < 29; ++y)
        for (int x : {0, 9})
            EXPECT_EQ(pixel(bar, x, y), expectedBarRow(y, h)) << "row " << y << " of a bar " << h;
}

// A stream of the fake back-end, playing, with the given seconds and magnitudes.
platform::fake::FakeStream& playStream(Harness& h, double positionSeconds, double lengthSeconds) {
    startUrlStream(h.shell, "http://stream");
    auto& s = *h.audio.stream(h.state.streamHandle);
    s.position = static_cast<int64_t>(positionSeconds * 176400);
    s.length = static_cast<int64_t>(lengthSeconds * 176400);
    return s;
}

// The leftmost column of a picture holding a pixel unlike the background of its row.
int leftmostInk(const Picture& p, const std::vector<int>& rowGreys) {
    for (int x = 0; x < p.width; ++x)
        for (int y = 0; y < p.height; ++y)
            if (pixel(p, x, y) != grey(rowGreys[static_cast<size_t>(y)]))
                return x;
    return -1;
}
int rightmostInk(const Picture& p, const std::vector<int>& rowGreys) {
    for (int x = p.width - 1; x >= 0; --x)
        for (int y = 0; y < p.height; ++y)
            if (pixel(p, x, y) != grey(rowGreys[static_cast<size_t>(y)]))
                return x;
    return -1;
}
const std::vector<int> kTitleRows = {42, 40, 39, 39, 37, 35, 33, 32, 30, 29, 27, 26, 24, 23};
const std::vector<int> kTimeRows = {42, 40, 39, 39, 37, 35, 33, 32, 30, 29, 27, 26};
const std::vector<int> kPercentRows = {30, 30, 29, 29, 28, 28, 27, 26, 26, 25, 25, 24};

TEST(DisplayBars, MagnitudesQuarterAndOneAtBothEndsOfTheMeter) {
    Harness h;
    auto& stream = playStream(h, 1, 100);
    stream.fft[0] = 0.25f;
    stream.fft[19] = 1.0f;
    stream.fft[5] = 0.0f;
    displayTick(h.shell);
    expectBar(h.ui.at(100).picture, 25);
    expectBar(h.ui.at(200).picture, 25);
    expectBar(h.ui.at(119).picture, 50);
    expectBar(h.ui.at(219).picture, 50);
    expectBar(h.ui.at(105).picture, 0);
    EXPECT_EQ(h.ui.clientRect(219), (Rect{595, 27, 10, 29}));
}

TEST(DisplayBars, FailedFftGivesOnePixelBars) {
    Harness h;
    displayTick(h.shell);  // no stream: the FFT call fails
    for (int i = 0; i < 20; ++i) {
        expectBar(h.ui.at(100 + i).picture, 1);
        expectBar(h.ui.at(200 + i).picture, 1);
    }
    EXPECT_EQ(pixel(h.ui.at(100).picture, 3, 28), grey(96));
    EXPECT_EQ(pixel(h.ui.at(100).picture, 3, 26), grey(38));
}

TEST(DisplayBars, HeightsRoundHalvesToEven) {
    EXPECT_EQ(barHeight(0.25f, false), 25);
    EXPECT_EQ(barHeight(1.0f, false), 50);
    EXPECT_EQ(barHeight(0.5f, true), 1);
    EXPECT_EQ(barHeight(-1.0f, false), 0);
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-0.5), 0);
}

TEST(DisplayPosition, FiftyOfAHundredSecondsLights221Pixels) {
    Harness h;
    playStream(h, 50, 100);
    displayTick(h.shell);
    const Picture& bar = h.ui.at(kPositionBar).picture;
    ASSERT_EQ(bar.width, 442);
    EXPECT_EQ(pixel(bar, 220, 0), grey(156));
    EXPECT_EQ(pixel(bar, 221, 0), grey(14));
    EXPECT_EQ(pixel(bar, 0, 0), grey(156));
    EXPECT_EQ(pixel(bar, 441, 0), grey(14));
    EXPECT_EQ(h.state.trackLength, 17640000);
}

TEST(DisplayPosition, LiveStreamKeepsTheBarDarkAndTheLengthAtMinusOne) {
    Harness h;
    auto& stream = playStream(h, 30, 0);
    stream.length = -1;
    displayTick(h.shell);
    EXPECT_EQ(h.state.trackLength, -1);
    const Picture& bar = h.ui.at(kPositionBar).picture;
    for (int x = 0; x < 442; ++x)
        ASSERT_EQ(pixel(bar, x, 0), grey(14));
    EXPECT_NE(leftmostInk(h.ui.at(kTimeView).picture, kTimeRows), -1);  // the time still shows
}

TEST(DisplayPosition, LengthIsCutTo32Bits) {
    Harness h;
    auto& stream = playStream(h, 0, 0);
    stream.length = (int64_t{1} << 32) + 1000;
    displayTick(h.shell);
    EXPECT_EQ(h.state.trackLength, 1000);
    stream.length = int64_t{3000000000};
    displayTick(h.shell);
    EXPECT_LT(h.state.trackLength, 0);
    EXPECT_EQ(positionPixels(10, -5), 0);
    EXPECT_EQ(positionPixels(50, 100), 221);
}

TEST(DisplayTime, Texts) {
    EXPECT_EQ(timeText(0), "0:00");
    EXPECT_EQ(timeText(59), "0:59");
    EXPECT_EQ(timeText(60), "1:00");
    EXPECT_EQ(timeText(600), "10:00");
    EXPECT_EQ(timeText(3725), "62:05");
}

TEST(DisplayTime, DrawnOverTheRowsAndKeptWithoutAStream) {
    Harness h;
    displayTick(h.shell);
    EXPECT_FALSE(h.ui.at(kTimeView).hasPicture);  // nothing until a stream is timed
    EXPECT_FALSE(h.ui.at(kTitleStrip).hasPicture);
    playStream(h, 600, 700);
    displayTick(h.shell);
    const Picture time = h.ui.at(kTimeView).picture;
    EXPECT_EQ(time.width, 40);
    EXPECT_EQ(pixel(time, 39, 0), grey(42));
    EXPECT_EQ(pixel(time, 39, 11), grey(26));
    const int left = leftmostInk(time, kTimeRows);
    EXPECT_GE(left, 0);
    EXPECT_LE(left, 2);
    // Glyphs are painted in grey 127 on the rows (their edges blend into the rows).
    int brightest = 0;
    for (int x = 0; x < 40; ++x)
        for (int y = 0; y < 12; ++y) {
            const Rgb p = pixel(time, x, y);
            EXPECT_TRUE(p.r == p.g && p.g == p.b);
            brightest = std::max(brightest, p.r);
        }
    EXPECT_GE(brightest, 110);
    EXPECT_LE(brightest, 127);
    startUrlStream(h.shell, "");  // the stream goes
    displayTick(h.shell);
    EXPECT_EQ(h.ui.at(kTimeView).picture.rgba, time.rgba);
}

TEST(DisplayVolume, KnobGivesVolumeAndPercentage) {
    EXPECT_EQ(percentText(0.0f), "0%");
    Harness h;
    struct Case {
        int knob;
        float volume;
        const char* text;
    };
    for (const Case& c : {Case{0, 0.0f, "0%"}, Case{1, 0.016666668f, "2%"}, Case{30, 0.5f, "50%"},
                          Case{60, 1.0f, "100%"}}) {
        h.state.volumeKnob = c.knob;
        displayTick(h.shell);
        EXPECT_EQ(h.state.volume, c.volume) << c.knob;
        EXPECT_EQ(percentText(h.state.volume), c.text) << c.knob;
    }
    h.state.volumeKnob = 0;
    displayTick(h.shell);
    const int narrow = rightmostInk(h.ui.at(kVolumePercent).picture, kPercentRows);
    h.state.volumeKnob = 60;
    displayTick(h.shell);
    const int wide = rightmostInk(h.ui.at(kVolumePercent).picture, kPercentRows);
    EXPECT_GT(wide, narrow);
    EXPECT_EQ(h.ui.at(kVolumePercent).picture.width, 30);
}

TEST(DisplayVolume, AppliedToTheStreamEveryTick) {
    Harness h;
    playStream(h, 0, 10);
    h.state.volumeKnob = 15;
    displayTick(h.shell);
    EXPECT_FLOAT_EQ(h.audio.stream(h.state.streamHandle)->volume, 0.25f);
}

TEST(DisplayVolume, SliderShowsTheKnobBlendedOverTheTrack) {
    Harness h;
    h.state.volumeKnob = 30;
    displayTick(h.shell);
    const Picture& slider = h.ui.at(kVolumeSlider).picture;
    ASSERT_EQ(slider.width, 73);
    EXPECT_EQ(pixel(slider, 29, 2), (Rgb{18, 7, 200}));  // the track
    const Rgb knob = pixel(slider, 35, 2);                // half-transparent knob over the track
    EXPECT_NEAR(knob.r, (18 + 19) / 2, 1);
    EXPECT_EQ(pixel(slider, 42, 2), (Rgb{18, 7, 200}));
}

TEST(DisplayTitle, StripXFollowsTheTextLength) {
    Harness h;
    playStream(h, 0, 10);
    h.state.currentTitle = std::string(100, 'H');
    displayTick(h.shell);
    const Picture hundred = h.ui.at(kTitleStrip).picture;
    EXPECT_LE(leftmostInk(hundred, kTitleRows), 2);

    h.state.currentTitle = std::string(130, 'H');
    displayTick(h.shell);
    EXPECT_EQ(leftmostInk(h.ui.at(kTitleStrip).picture, kTitleRows), 0);  // starts at -30, cut off

    h.state.currentTitle = "HHHHHHHHHH";
    displayTick(h.shell);
    const int left = leftmostInk(h.ui.at(kTitleStrip).picture, kTitleRows);
    EXPECT_GE(left, 90);
    EXPECT_LE(left, 92);

    h.state.currentTitle.clear();
    displayTick(h.shell);
    EXPECT_EQ(leftmostInk(h.ui.at(kTitleStrip).picture, kTitleRows), -1);
}

struct TitleCase {
    const char* name;
    int radio, playlist, video;
    std::optional<std::string> meta;
    std::string expectedText;
    std::string expectedTitleAfter;
};

class TitleText : public testing::TestWithParam<TitleCase> {};

TEST_P(TitleText, ByModeAndMetadata) {
    PlayerState s;
    s.radioMode = GetParam().radio;
    s.playlistMode = GetParam().playlist;
    s.videoMode = GetParam().video;
    s.currentGenre = "Trance";
    s.currentTitle = "Radio Record Club";
    EXPECT_EQ(titleText(s, GetParam().meta), GetParam().expectedText);
    EXPECT_EQ(s.currentTitle, GetParam().expectedTitleAfter);
}

const std::string kLongMeta = "StreamTitle=" + std::string(140, 'x') + "'Beyond 150';";

const TitleCase kTitleCases[] = {
    {"AudioNoMeta", 0, 0, 0, std::nullopt, "Radio Record Club", "Radio Record Club"},
    {"AudioWithMeta", 0, 0, 0, "StreamTitle='Song';", "Radio Reco", "Radio Reco"},
    {"RadioNoMeta", 1, 0, 0, std::nullopt, "", "Radio Record Club"},
    {"RadioWithMeta", 1, 0, 0, "StreamTitle='Artist - Song';StreamUrl='';",
     "Trance   /   Radio Reco   /   Artist - Song", "Radio Reco"},
    {"PlaylistWithMeta", 0, 1, 0, "StreamTitle='A';", "Trance   /   Radio Reco   /   A", "Radio Reco"},
    {"InnerApostrophe", 1, 0, 0, "StreamTitle='Rock'n'Roll';", "Trance   /   Radio Reco   /   Rock",
     "Radio Reco"},
    {"SecondApostropheBeyond150", 1, 0, 0, "StreamTitle='" + std::string(140, 'y') + "'tail';",
     "Trance   /   Radio Reco   /   ", "Radio Reco"},
    {"ZeroByteEndsTheMeta", 1, 0, 0, std::string("StreamTitle='ab\0cd';", 20),
     "Trance   /   Radio Reco   /   ", "Radio Reco"},
};

INSTANTIATE_TEST_SUITE_P(Modes, TitleText, testing::ValuesIn(kTitleCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DisplayTitle, MetaCutsAt150Bytes) {
    EXPECT_EQ(streamTitleOf("StreamTitle='" + std::string(136, 'z') + "';"), std::string(136, 'z'));
    EXPECT_EQ(streamTitleOf("StreamTitle='" + std::string(137, 'z') + "';"), "");
    EXPECT_EQ(streamTitleOf("no apostrophes"), "");
}

TEST(DisplayTitle, RadioTitleShortenedOnTheFirstTickAndStaysSo) {
    Harness h;
    h.state.radioMode = 1;
    auto& stream = playStream(h, 0, 0);
    stream.meta = "StreamTitle='Song';";
    h.state.currentTitle = "A long station name";
    displayTick(h.shell);
    displayTick(h.shell);
    EXPECT_EQ(h.state.currentTitle, "A long sta");
}

TEST(DisplayTitle, VideoModeRedrawsTheStripWithoutAStream) {
    Harness h;
    h.state.videoMode = 1;
    h.state.currentTitle = "HHHH";
    displayTick(h.shell);
    ASSERT_TRUE(h.ui.at(kTitleStrip).hasPicture);
    EXPECT_GE(leftmostInk(h.ui.at(kTitleStrip).picture, kTitleRows), 96);
}

TEST(DisplayTitle, RadioWithoutMetaShowsOnlyTheBackground) {
    Harness h;
    h.state.radioMode = 1;
    h.state.currentTitle = "Station";
    playStream(h, 0, 0);
    displayTick(h.shell);
    EXPECT_EQ(leftmostInk(h.ui.at(kTitleStrip).picture, kTitleRows), -1);
}

TEST(DisplayTimer, RegisteredAt55MsAndRunBetweenEvents) {
    Harness h;
    EXPECT_EQ(h.ui.timerPeriod, 55);
    EXPECT_FALSE(h.ui.at(kPositionBar).picture.rgba.empty());
    h.state.volumeKnob = 60;
    h.ui.queueTick();
    h.run();
    EXPECT_EQ(h.state.volume, 1.0f);
}

}  // namespace
}  // namespace player::test

namespace player::test {
namespace {

TEST(DisplayTitle, VideoModeWithARadioStreamShowsTheCutTitleOnly) {
    Harness h;
    h.state.videoMode = 1;
    startUrlStream(h.shell, "http://radio");
    h.audio.stream(h.state.streamHandle)->meta = "StreamTitle='Song';";
    h.state.currentTitle = std::string(16, 'H');
    displayTick(h.shell);
    EXPECT_EQ(h.state.currentTitle, std::string(10, 'H'));
    const int left = leftmostInk(h.ui.at(kTitleStrip).picture, kTitleRows);
    EXPECT_GE(left, 90);
    EXPECT_LE(left, 92);
}

}  // namespace
}  // namespace player::test
