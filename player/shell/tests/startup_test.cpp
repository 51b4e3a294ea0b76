// Start-up: data files, pictures, the window and its controls, audio and the timer.

#include <gtest/gtest.h>

#include "common/cp1251.h"
#include "harness.h"
#include "player/shell/controls.h"
#include "platform/image/png.h"

namespace player::test {
namespace {

TEST(StartUp, CreatesTheControlsInTheirOrder) {
    Harness h;
    std::vector<int> expected = {22, 35, 5, 4, 2, 10, 11, 9, 13, 14, 15, 16, 17, 20, 21, 25, 27, 28,
                                 240, 360, 480, 720, 34, 36, 37, 31, 7, 29, 30, 23};
    for (int i = 0; i < 20; ++i)
        expected.push_back(100 + i);
    for (int i = 0; i < 20; ++i)
        expected.push_back(200 + i);
    for (int n : {24, 12, 26, 32, 33, 38})
        expected.push_back(n);
    EXPECT_EQ(h.ui.creationOrder, expected);
}

TEST(StartUp, ControlsHaveTheirPlacesSizesAndStartPictures) {
    Harness h;
    struct Case {
        int control;
        Rect rect;  // in the client area, after start-up
        bool picture;
    };
    for (const Case& c : {Case{22, {-1000, 0, 300, 400}, false}, Case{35, {0, 0, 0, 0}, false},
                          Case{5, {1128, 3, 14, 14}, true}, Case{2, {1162, 3, 14, 14}, true},
                          Case{10, {63, 31, 33, 11}, false}, Case{11, {1087, 71, 36, 15}, false},
                          Case{20, {186, 38, 73, 5}, true}, Case{31, {372, 58, 442, 1}, true},
                          Case{36, {485, 110, 0, 0}, false}, Case{37, {476, 250, 180, 85}, false},
                          Case{30, {30, 75, 250, 10}, false}, Case{23, {1020, 33, 120, 14}, false},
                          Case{100, {372, 27, 10, 29}, true}, Case{119, {581, 27, 10, 29}, true},
                          Case{200, {804, 27, 10, 29}, true}, Case{219, {595, 27, 10, 29}, true},
                          Case{12, {10, 100, 450, 395}, false}, Case{26, {645, 524, 240, 14}, false},
                          Case{33, {681, 110, 500, 380}, false}, Case{38, {-1681, 110, 500, 380}, false}}) {
        EXPECT_EQ(h.ui.clientRect(c.control), c.rect) << c.control;
        EXPECT_EQ(h.ui.at(c.control).hasPicture, c.picture) << c.control;
    }
    EXPECT_EQ(h.ui.at(kMinimiseButton).picture.rgba[0], 2);  // image 2
    EXPECT_EQ(h.ui.at(kHistoryContainer).rect.h, 0);
}

TEST(StartUp, TextsColoursColumnsAndAddresses) {
    Harness h;
    EXPECT_EQ(h.ui.at(kLoginBrowser).text, "http://login.test/login");
    EXPECT_EQ(h.ui.at(kVideoBrowser).text, "file://localhost//opt/vt90/logo.html");
    EXPECT_EQ(h.ui.at(kAudioSearchField).text, "Depeche Mode Remix");
    EXPECT_EQ(h.ui.at(kVideoSearchField).text, "National Geographic");
    EXPECT_EQ(h.ui.at(kAudioSearchField).desc.textColour, (Rgb{137, 127, 98}));
    EXPECT_EQ(h.ui.at(kAudioSearchField).desc.backColour, (Rgb{51, 51, 51}));
    EXPECT_EQ(h.ui.at(kHistoryList).desc.textColour, (Rgb{129, 129, 129}));
    EXPECT_EQ(h.ui.at(kHistoryList).desc.backColour, (Rgb{24, 24, 24}));
    EXPECT_EQ(h.ui.at(kMainList).desc.backColour, (Rgb{16, 16, 16}));
    EXPECT_EQ(h.ui.at(kMainList).desc.textColour, (Rgb{112, 112, 112}));
    EXPECT_EQ(h.ui.at(kMainList).desc.lineColour, (Rgb{41, 41, 41}));
    const auto& columns = h.ui.at(kMainList).columns;
    ASSERT_EQ(columns.size(), 2u);
    EXPECT_EQ(columns[0].title, common::cp1251("      Результат поиска").str());
    EXPECT_EQ(columns[0].width, 370);
    EXPECT_EQ(columns[1].title, common::cp1251("  Время").str());
    EXPECT_EQ(columns[1].width, 50);
    EXPECT_EQ(h.ui.at(kHistoryList).items.size(), 46u);
    EXPECT_EQ(h.ui.at(kMainList).rows.size(), 0u);
}

TEST(StartUp, Tooltips) {
    Harness h;
    EXPECT_EQ(h.ui.at(10).tooltip, common::cp1251("Играть/Пауза").str());
    EXPECT_EQ(h.ui.at(11).tooltip, common::cp1251("Показать список").str());
    EXPECT_EQ(h.ui.at(13).tooltip, common::cp1251("Открыть MP3").str());
    EXPECT_EQ(h.ui.at(14).tooltip, common::cp1251("Поиск в Вконтакте").str());
    EXPECT_EQ(h.ui.at(15).tooltip, common::cp1251("Радио").str());
    EXPECT_EQ(h.ui.at(27).tooltip, "M\xEE\xE9 \xF1\xEF\xE8\xF1\xEE\xEA");  // Latin M
    EXPECT_EQ(h.ui.at(28).tooltip.substr(0, 2), "C\xEF");                  // Latin C
    for (int silent : {2, 5, 16, 17, 25, 240, 34})
        EXPECT_EQ(h.ui.at(silent).tooltip, "") << silent;
}

TEST(StartUp, WritesBothDataFilesAndStartsAudioTimerAndWindow) {
    Harness h;
    EXPECT_EQ(h.files.content("/tmp/" + common::cp1251("стили.txt").str()), "Rock\r\nPop\r\n");
    EXPECT_EQ(h.files.content("/tmp/Playlist.pls").size(), 2856u);
    EXPECT_EQ(h.audio.calls.at(0), "init");
    EXPECT_EQ(h.ui.timerPeriod, 55);
    EXPECT_TRUE(h.ui.shown);
    EXPECT_EQ(h.ui.window, (Rect{1920 / 2 - 590, 240, 1183, 91}));
    EXPECT_EQ(h.ui.background.width, 1183);
    EXPECT_EQ(h.state.volumeKnob, 30);
    EXPECT_EQ(h.state.volume, 0.5f);
    EXPECT_EQ(h.shell.images.size(), 20u);
}

TEST(StartUp, NarrowScreenGivesANegativeX) {
    Harness h(false);
    h.ui.screen = 1024;
    ASSERT_TRUE(startUp(h.shell, h.data(), h.errors));
    EXPECT_EQ(h.ui.window.x, -78);
}

TEST(StartUp, NoWindowIsReportedAndCreatesNothing) {
    Harness h(false);
    h.ui.windowPossible = false;
    EXPECT_FALSE(startUp(h.shell, h.data(), h.errors));
    EXPECT_NE(h.errors.str().find("main window"), std::string::npos);
    EXPECT_TRUE(h.ui.controls.empty());
    EXPECT_FALSE(h.ui.shown);
}

TEST(StartUp, RunPlayerEndsWithOneWithoutAWindowAndZeroThroughQuit) {
    Harness noWindow(false);
    noWindow.ui.windowPossible = false;
    EXPECT_EQ(runPlayer(noWindow.shell, noWindow.data(), noWindow.errors), 1);
    EXPECT_EQ(noWindow.audio.calls.size(), 0u);

    Harness h(false);
    h.ui.queueTick();
    h.ui.queueControl(kQuitButton);
    EXPECT_EQ(runPlayer(h.shell, h.data(), h.errors), 0);
    EXPECT_TRUE(h.ui.at(kHistoryList).destroyed);
}

TEST(StartUp, UnwritableTemporaryFolderIsSkipped) {
    Harness h(false);
    h.system.tempFolder = "/missing/";
    ASSERT_TRUE(startUp(h.shell, h.data(), h.errors));
    EXPECT_TRUE(h.ui.at(kHistoryList).items.empty());
}

TEST(StartUp, ThumbnailFromAnEarlierRun) {
    Harness h(false);
    StartupData data = h.data();
    std::vector<std::string> asked;
    data.loadPictureFile = [&](const std::string& path) -> std::optional<common::Picture> {
        asked.push_back(path);
        return solidPicture(120, 90, 1, 2, 3);
    };
    ASSERT_TRUE(startUp(h.shell, data, h.errors));
    EXPECT_EQ(asked, std::vector<std::string>{"/tmp/defolt.jpg"});
    EXPECT_EQ(h.ui.clientRect(kThumbnailView), (Rect{485, 110, 120, 90}));
    EXPECT_TRUE(h.ui.at(kThumbnailView).hasPicture);
}

TEST(StartUp, BrokenEmbeddedPictureLeavesItsControlsBare) {
    Harness h(false);
    StartupData data = h.data();
    data.pictures[2] = "not a png";
    ASSERT_TRUE(startUp(h.shell, data, h.errors));
    EXPECT_FALSE(h.ui.at(kMinimiseButton).hasPicture);
    EXPECT_EQ(h.ui.clientRect(kMinimiseButton), (Rect{1128, 3, 14, 14}));
}

TEST(PngDecode, RoundTripAndRejects) {
    const common::Picture p = solidPicture(3, 2, 10, 20, 30, 40);
    auto decoded = platform::image::decodePng(encodePng(p));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->width, 3);
    EXPECT_EQ(decoded->rgba, p.rgba);
    EXPECT_FALSE(platform::image::decodePng(""));
    std::string cut = encodePng(p);
    cut.resize(cut.size() / 2);
    EXPECT_FALSE(platform::image::decodePng(cut));
}

}  // namespace
}  // namespace player::test

namespace player::test {
namespace {

TEST(Adapters, ViewsAndUiThreadReachTheWindow) {
    Harness h;
    ControlViews views(h.ui);
    views.showPicture(kPictureView, solidPicture(320, 240, 9, 9, 9));
    views.setText(kPreviewLabel, "Clip");
    views.navigate(kVideoBrowser, "file:///tmp/player.html");
    EXPECT_EQ(h.ui.clientRect(kPictureView), (Rect{-1681, 110, 320, 240}));
    EXPECT_EQ(h.ui.at(kPreviewLabel).text, "Clip");
    EXPECT_EQ(h.ui.log.back(), "navigate 33 file:///tmp/player.html");
    WindowUiThread thread(h.ui);
    bool ran = false;
    thread.post([&] { ran = true; });
    EXPECT_FALSE(ran);
    h.ui.queueTick();
    h.run();
    EXPECT_TRUE(ran);
}

}  // namespace
}  // namespace player::test
