// The pointer handlers, the drag band, minimise and expand/collapse.

#include <gtest/gtest.h>

#include "harness.h"
#include "player/shell/controls.h"
#include "player/shell/pointer.h"

namespace player::test {
namespace {

struct BandCase {
    Point at;
    bool drags;
};

TEST(DragBand, EdgesAndOutside) {
    for (const BandCase& c : {BandCase{{1, 1}, true}, BandCase{{1079, 90}, true}, BandCase{{500, 45}, true},
                              BandCase{{0, 50}, false}, BandCase{{1080, 50}, false}, BandCase{{500, 91}, false},
                              BandCase{{500, 0}, false}, BandCase{{-1, -1}, false}}) {
        Harness h;
        h.ui.queueEvent({kLeftButtonDown, 0, 0, 0}, c.at);
        h.run();
        EXPECT_EQ(h.ui.count("drag"), c.drags ? 1 : 0) << c.at.x << "," << c.at.y;
    }
}

TEST(DragBand, ExpandedListAreaNeverDrags) {
    Harness h;
    h.ui.queueControl(kListButton);
    h.ui.queueEvent({kLeftButtonDown, 0, 0, 0}, Point{300, 300});
    h.ui.queueEvent({kLeftButtonDown, 0, 0, 0}, Point{1000, 530});
    h.run();
    EXPECT_EQ(h.ui.count("drag"), 0);
}

TEST(Chrome, MinimiseOnLeftClickOnly) {
    Harness h;
    h.ui.queueControl(kMinimiseButton, kRightClick);
    h.ui.queueControl(kIdleCaptionButton);
    h.ui.queueControl(kMinimiseButton);
    h.run();
    EXPECT_EQ(h.ui.count("minimise"), 1);
}

TEST(Chrome, ExpandCollapseToggle) {
    Harness h;
    EXPECT_EQ(h.ui.window.h, 91);
    h.ui.queueControl(kListButton);
    h.run();
    EXPECT_EQ(h.ui.window.h, 560);
    EXPECT_TRUE(h.ui.at(kListButton).hasPicture);
    h.ui.queueControl(kListButton);
    h.run();
    EXPECT_EQ(h.ui.window.h, 91);
    EXPECT_FALSE(h.ui.at(kListButton).hasPicture);
    EXPECT_EQ(h.state.listExpanded, 0);
    EXPECT_EQ(h.ui.window.x, 1920 / 2 - 590);
}

TEST(Chrome, OneClickCollapsesAfterASearchExpanded) {
    Harness h;
    h.ui.queueControl(kRadioButton);
    h.ui.queueControl(kListButton);
    h.run();
    EXPECT_EQ(h.ui.window.h, 91);
    EXPECT_EQ(h.state.listExpanded, 0);
}

// Moves the pointer and answers the log lines of that one movement.
std::vector<std::string> moveTo(Harness& h, Point client) {
    const size_t before = h.ui.log.size();
    h.ui.queueMove(client);
    h.run();
    return std::vector<std::string>(h.ui.log.begin() + static_cast<long>(before), h.ui.log.end());
}

bool has(const std::vector<std::string>& log, const std::string& line) {
    return std::find(log.begin(), log.end(), line) != log.end();
}

TEST(HandCursor, OverTheListedControlsOnly) {
    Harness h;
    struct Case {
        Point at;
        bool hand;
    };
    for (const Case& c : {Case{{1145, 3}, true},      // control 4
                          Case{{1175, 16}, true},     // control 2, last pixel
                          Case{{1176, 3}, false},     // right edge excluded
                          Case{{372, 58}, true},      // the one-pixel position bar
                          Case{{813, 58}, true},
                          Case{{600, 59}, false},
                          Case{{63, 31}, true},       // control 10 while 11 px high
                          Case{{63, 42}, false},
                          Case{{190, 40}, true},      // the volume slider
                          Case{{1000, 530}, false},   // a quality button
                          Case{{1030, 38}, false},    // the edit field
                          Case{{-1, -1}, false}}) {
        EXPECT_EQ(has(moveTo(h, c.at), "hand"), c.hand) << c.at.x << "," << c.at.y;
    }
}

TEST(HandCursor, OnlyForPointerMoves) {
    Harness h;
    h.ui.client = {1145, 3};
    h.ui.queueEvent({kTimerEvent, 0, 0, 0});
    h.run();
    EXPECT_EQ(h.ui.count("hand"), 0);
}

TEST(HandCursor, PlayPauseButtonGrowsOnceThePausePictureWasShown) {
    Harness h;
    h.ui.queueControl(kPlayPauseButton);
    h.ui.queueControl(kPlayPauseButton);
    h.run();
    EXPECT_TRUE(has(moveTo(h, {63, 45}), "hand"));
}

TEST(CaptionHover, OneFlagForThreeButtons) {
    Harness h;
    auto litPicture = [&](int control) { return h.ui.at(control).picture.rgba[0] == 3; };
    moveTo(h, {1130, 5});
    EXPECT_EQ(h.state.buttonLit, 1);
    EXPECT_TRUE(litPicture(kMinimiseButton));
    moveTo(h, {1150, 5});  // straight onto its neighbour: both lit
    EXPECT_TRUE(litPicture(kMinimiseButton));
    EXPECT_TRUE(litPicture(kIdleCaptionButton));
    const auto log = moveTo(h, {1143, 3});  // the gap between 5 and 4
    EXPECT_EQ(h.state.buttonLit, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"place 5", "place 4", "place 2"}));
    for (int control : {kMinimiseButton, kIdleCaptionButton, kQuitButton})
        EXPECT_FALSE(litPicture(control));
    EXPECT_TRUE(moveTo(h, {600, 50}).empty());  // nothing lit: nothing placed
}

TEST(CaptionHover, PictureIsPlacedAgainOnEveryMove) {
    Harness h;
    moveTo(h, {1165, 5});
    EXPECT_TRUE(has(moveTo(h, {1166, 6}), "place 2"));
}

TEST(VolumeDrag, KnobFollowsTheHeldButtonOnTheSlider) {
    Harness h;
    h.ui.buttonHeld = true;
    struct Case {
        int x;
        int knob;
    };
    for (const Case& c : {Case{192, 0}, Case{222, 30}, Case{252, 60}, Case{258, 60}, Case{187, 0}, Case{200, 8}}) {
        moveTo(h, {c.x, 40});
        EXPECT_EQ(h.state.volumeKnob, c.knob) << c.x;
    }
}

TEST(VolumeDrag, OnlyTheSecondButtonAnswerCounts) {
    Harness h;
    h.ui.buttonAnswers = {true, false};
    moveTo(h, {230, 40});
    EXPECT_EQ(h.state.volumeKnob, 30);
    h.ui.buttonAnswers = {false, true};
    moveTo(h, {230, 40});
    EXPECT_EQ(h.state.volumeKnob, 38);
}

TEST(VolumeDrag, PressWithoutMovingAndMovesOffTheSliderChangeNothing) {
    Harness h;
    h.ui.buttonHeld = true;
    h.ui.queueEvent({kLeftButtonDown, 0, 0, 0}, Point{240, 40});
    h.run();
    EXPECT_EQ(h.state.volumeKnob, 30);
    moveTo(h, {240, 43});  // below the slider's five rows
    EXPECT_EQ(h.state.volumeKnob, 30);
}

}  // namespace
}  // namespace player::test
