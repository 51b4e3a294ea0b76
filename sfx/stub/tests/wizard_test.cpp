#include "sfx/stub/wizard.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/fake/fake_dialogs.h"
#include "platform/fake/fake_system.h"
#include "platform/fake/fake_window.h"
#include "platform/native.h"
#include "sfx/container/installer_file.h"
#include "sfx/container/tests/test_archives.h"
#include "sfx/stub/wizard_texts.h"

namespace sfx::stub {
namespace {

using platform::fake::ControlKind;
using test::TempFolder;
namespace fs = std::filesystem;

struct WizardFixture : ::testing::Test {
    platform::fake::FakeWindow window;
    platform::fake::FakeDialogs dialogs;
    platform::fake::FakeSystem system;
    std::vector<std::function<void()>> launched;
    Wizard wizard{window, platform::nativeFiles(), system, dialogs,
                  [this](std::function<void()> f) { launched.push_back(std::move(f)); }};
    TempFolder work;

    void SetUp() override {
        system.desktop = work.text() + "Desktop/";
        wizard.buildPage1(common::Picture::blank(490, 91));
    }
    void useInstaller(const std::string& zip) {
        test::writeBytes(work.path() / "setup", test::fakeStub() + zip + archiveLengthTrailer(uint32_t(zip.size())));
        wizard.state.ownPath = work.text() + "setup";
    }
    void press(int id) { wizard.handle({platform::WindowEventKind::Button, id}); }
    void runWorkers() {
        auto pending = std::move(launched);
        launched.clear();
        for (auto& f : pending)
            f();
    }
};

TEST_F(WizardFixture, PageOneHasItsGadgetsInPlace) {
    struct Expected {
        int id;
        ControlKind kind;
        platform::Rect rect;
    };
    for (const Expected& e : {Expected{1, ControlKind::GroupBox, {5, 0, 500, 295}},
                              Expected{2, ControlKind::Text, {15, 10, 470, 45}},
                              Expected{3, ControlKind::Text, {15, 60, 470, 15}},
                              Expected{4, ControlKind::Text, {15, 80, 470, 30}},
                              Expected{5, ControlKind::Text, {15, 115, 470, 30}},
                              Expected{9, ControlKind::Picture, {10, 160, 490, 91}},
                              Expected{10, ControlKind::Button, {20, 265, 70, 20}},
                              Expected{11, ControlKind::Button, {420, 265, 70, 20}}}) {
        SCOPED_TRACE(e.id);
        ASSERT_TRUE(window.controls.count(e.id));
        const auto& c = window.controls.at(e.id);
        EXPECT_EQ(c.kind, e.kind);
        EXPECT_EQ(c.rect.x, e.rect.x);
        EXPECT_EQ(c.rect.y, e.rect.y);
        EXPECT_EQ(c.rect.width, e.rect.width);
        EXPECT_EQ(c.rect.height, e.rect.height);
    }
    EXPECT_EQ(window.controls.at(2).text, kWelcome.str());
    EXPECT_EQ(window.controls.at(2).font.face, "Courier New");
    EXPECT_TRUE(window.controls.at(2).font.bold);
    EXPECT_EQ(window.controls.at(11).text, kNext.str());
}

TEST_F(WizardFixture, NextBuildsPageTwo) {
    press(kNextButton);
    EXPECT_FALSE(window.controls.count(kNextButton));
    EXPECT_EQ(window.controls.at(kFolderField).kind, ControlKind::Edit);
    EXPECT_EQ(window.controls.at(kStatusText).text, kChooseFolder.str());
    EXPECT_EQ(window.controls.at(kProgressBar).kind, ControlKind::ProgressBar);
    EXPECT_EQ(window.controls.at(kInstallButton).text, kInstall.str());
    EXPECT_EQ(window.controls.at(kProgressLabel).text, kProgressText.str());
    EXPECT_TRUE(window.controls.count(kPicture));
    EXPECT_TRUE(window.controls.count(kCancelButton));
}

TEST_F(WizardFixture, BrowseAddsThePlayerFolderAndACancelKeepsTheField) {
    press(kNextButton);
    dialogs.folderAnswers = {"/opt/Program Files/", ""};
    press(kBrowseButton);
    EXPECT_EQ(dialogs.chooserTitles.at(0), kBrowseTitle.str());
    EXPECT_EQ(window.text(kFolderField), "/opt/Program Files/VT-90/");
    EXPECT_EQ(wizard.state.shortcutFolder, "/opt/Program Files/VT-90/");
    press(kBrowseButton);
    EXPECT_EQ(window.text(kFolderField), "/opt/Program Files/VT-90/");
    EXPECT_EQ(wizard.state.shortcutFolder, "/opt/Program Files/VT-90/");
}

TEST_F(WizardFixture, EmptyFolderFieldWarnsAndTheWizardStays) {
    press(kNextButton);
    press(kInstallButton);
    runWorkers();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].caption, "Kestrel");
    EXPECT_EQ(dialogs.shown[0].text, kNoFolder.str());
    EXPECT_EQ(dialogs.shown[0].icon, platform::MessageIcon::Warning);
    EXPECT_FALSE(window.quitRequested);
    EXPECT_TRUE(window.controls.at(kInstallButton).enabled);
    EXPECT_TRUE(system.shortcuts.empty());
}

TEST_F(WizardFixture, InstallExtractsReportsAndEnds) {
    useInstaller(test::makeZip({{"VT-90", "player"}, {"sub/name.txt", "n"}, {"uninst.dat", "u"}}));
    press(kNextButton);
    dialogs.folderAnswers = {work.text() + "Apps"};
    press(kBrowseButton);
    press(kInstallButton);
    EXPECT_FALSE(window.controls.at(kInstallButton).enabled);
    ASSERT_EQ(system.shortcuts.size(), 1u);  // made at once, before the extraction
    runWorkers();

    const fs::path root = work.path() / "Apps" / "VT-90";
    EXPECT_EQ(test::readBytes(root / "VT-90"), "player");
    EXPECT_EQ(test::readBytes(root / "sub" / "name.txt"), "n");
    EXPECT_EQ(window.controls.at(kProgressBar).progressHistory, (std::vector<int>{0, 33, 66}));
    EXPECT_EQ(window.controls.at(kStatusText).textHistory,
              (std::vector<std::string>{kExtracting.str(), kReady.str()}));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].caption, "3");
    EXPECT_EQ(dialogs.shown[0].text, kSuccess.str());
    EXPECT_EQ(dialogs.shown[0].icon, platform::MessageIcon::Information);
    EXPECT_TRUE(window.quitRequested);
    EXPECT_EQ(wizard.state.entriesDone, 3);

    const platform::ShortcutFields& s = system.shortcuts[0];
    const std::string folder = work.text() + "Apps/VT-90/";
    EXPECT_EQ(s.linkFile, work.text() + "Desktop/VT-90.desktop");
    EXPECT_EQ(s.target, folder + "VT-90");
    EXPECT_EQ(s.workingFolder, folder);
    EXPECT_EQ(s.iconFile, folder + "VT-90");
    EXPECT_EQ(s.iconIndex, 0);
    EXPECT_EQ(s.showCommand, 0);
    EXPECT_EQ(s.arguments, "");
    EXPECT_EQ(s.description, kShortcutDescription.str());
}

TEST_F(WizardFixture, TypedFolderIsUsedAsTyped) {
    useInstaller(test::makeZip({{"a.txt", "a"}}));
    press(kNextButton);
    window.setText(kFolderField, work.text() + "Typed");
    press(kInstallButton);
    runWorkers();
    EXPECT_EQ(test::readBytes(work.path() / "Typed" / "a.txt"), "a");
    ASSERT_EQ(system.shortcuts.size(), 1u);
    EXPECT_EQ(system.shortcuts[0].target, work.text() + "Typed/VT-90");
}

TEST_F(WizardFixture, ASecondPressWhileTheWorkerRunsDoesNothing) {
    useInstaller(test::makeZip({{"a.txt", "a"}}));
    press(kNextButton);
    window.setText(kFolderField, work.text() + "T");
    press(kInstallButton);
    press(kInstallButton);
    EXPECT_EQ(launched.size(), 1u);
}

TEST_F(WizardFixture, DamagedEntriesAreNamedInsteadOfSuccess) {
    std::string zip = test::makeZip({{"a.bin", std::string(40000, 'a')}, {"b.txt", "b"}});
    zip[30 + 5 + 20] ^= 0x01;
    useInstaller(zip);
    press(kNextButton);
    window.setText(kFolderField, work.text() + "T");
    press(kInstallButton);
    runWorkers();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].caption, "2");
    EXPECT_EQ(dialogs.shown[0].icon, platform::MessageIcon::Warning);
    EXPECT_NE(dialogs.shown[0].text.find("a.bin"), std::string::npos);
    EXPECT_EQ(dialogs.shown[0].text.find(kSuccess.str()), std::string::npos);
}

TEST_F(WizardFixture, ABareStubExtractsNothingAndSaysSo) {
    test::writeBytes(work.path() / "stub", test::fakeStub());
    wizard.state.ownPath = work.text() + "stub";
    press(kNextButton);
    window.setText(kFolderField, work.text() + "T");
    press(kInstallButton);
    runWorkers();
    EXPECT_EQ(window.controls.at(kStatusText).text, kReady.str());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, kNoArchive.str());
    EXPECT_TRUE(window.quitRequested);
}

TEST_F(WizardFixture, EmptyArchiveShowsZeroAndAFullBar) {
    useInstaller(std::string("PK\x05\x06", 4) + std::string(18, '\0'));
    press(kNextButton);
    window.setText(kFolderField, work.text() + "T");
    press(kInstallButton);
    runWorkers();
    EXPECT_EQ(window.controls.at(kProgressBar).progress, 100);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].caption, "0");
    EXPECT_EQ(dialogs.shown[0].text, kSuccess.str());
}

TEST_F(WizardFixture, CancelAndCloseEndTheWizard) {
    EXPECT_FALSE(wizard.handle({platform::WindowEventKind::Button, kCancelButton}));
    EXPECT_FALSE(wizard.handle({platform::WindowEventKind::Close, 0}));
    EXPECT_TRUE(wizard.handle({platform::WindowEventKind::Button, kNextButton}));
}

}  // namespace
}  // namespace sfx::stub
