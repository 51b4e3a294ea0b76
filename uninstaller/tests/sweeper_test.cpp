#include "uninstaller/sweeper.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_dialogs.h"
#include "platform/fake/fake_files.h"
#include "platform/fake/fake_system.h"
#include "uninstaller/texts.h"

using namespace platform;
using namespace uninstaller;

namespace {

struct SweeperTest : testing::Test {
    fake::FakeFiles files;
    fake::FakeSystem system;
    fake::FakeDialogs dialogs;

    SweeperTest() {
        files.currentDirectory = "/opt/VT-90";
        system.cwd = "/opt/VT-90";
        system.exePath = "/opt/VT-90/Sweeper";
        system.startMenu = "/home/u/.local/share/applications/";
        files.addFile("/opt/VT-90/VT-90", "ELF");
        files.addFile("/opt/VT-90/Sweeper", "ELF");
    }

    void run() { runSweeper(files, system, dialogs); }

    bool nothingHappened() const {
        return files.deleteRequests.empty() && system.started.empty();
    }
};

}  // namespace

TEST_F(SweeperTest, PresenceTestFailuresEndSilently) {
    struct Case {
        const char* what;
        std::function<void(fake::FakeFiles&)> setup;
    } cases[] = {
        {"no list", [](fake::FakeFiles&) {}},
        {"empty list", [](fake::FakeFiles& f) { f.addFile("uninst.dat", ""); }},
        {"list is a folder", [](fake::FakeFiles& f) { f.addFolder("uninst.dat"); }},
        {"player missing", [](fake::FakeFiles& f) {
             f.addFile("uninst.dat", "a\n");
             f.deleteFile("VT-90");
         }},
        {"player empty", [](fake::FakeFiles& f) {
             f.addFile("uninst.dat", "a\n");
             f.addFile("VT-90", "");
         }},
        {"player is a folder", [](fake::FakeFiles& f) {
             f.addFile("uninst.dat", "a\n");
             f.deleteFile("VT-90");
             f.addFolder("VT-90");
         }},
    };
    for (const auto& c : cases) {
        fake::FakeFiles fresh;
        fresh.currentDirectory = "/opt/VT-90";
        fresh.addFile("/opt/VT-90/VT-90", "ELF");
        c.setup(fresh);
        fresh.deleteRequests.clear();
        fake::FakeDialogs noDialogs;
        fake::FakeSystem sys = system;
        runSweeper(fresh, sys, noDialogs);
        EXPECT_TRUE(noDialogs.shown.empty()) << c.what;
        EXPECT_TRUE(fresh.deleteRequests.empty()) << c.what;
        EXPECT_TRUE(sys.started.empty()) << c.what;
    }
}

TEST_F(SweeperTest, AnswerNoOrNoAnswerRemovesNothingAndKeepsTheUninstaller) {
    for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Closed}) {
        files.addFile("uninst.dat", "VT-90\r\n");
        files.deleteRequests.clear();
        system.started.clear();
        dialogs.shown.clear();
        dialogs.answers = {answer};
        run();
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].caption, std::string(kConfirmCaption));
        EXPECT_TRUE(nothingHappened());
        EXPECT_TRUE(files.exists("VT-90"));
    }
}

TEST_F(SweeperTest, ConfirmationBoxIsTheSystemsOwn) {
    files.addFile("uninst.dat", "\r\n");
    run();
    ASSERT_GE(dialogs.shown.size(), 1u);
    const auto& box = dialogs.shown[0];
    EXPECT_EQ(box.caption, "\xc4\xe5\xe8\xed\xf1\xf2\xe0\xeb\xeb\xff\xf6\xe8\xff VT-90");
    EXPECT_EQ(box.text,
              "\xc2\xfb \xe4\xe5\xe9\xf1\xf2\xe2\xe8\xf2\xe5\xeb\xfc\xed\xee \xf5\xee\xf2\xe8\xf2\xe5 "
              "\xf3\xe4\xe0\xeb\xe8\xf2\xfc VT-90 \xe8 \xe2\xf1\xe5 \xea\xee\xec\xef\xee\xed\xe5\xed\xf2\xfb"
              "\r\xef\xf0\xee\xe3\xf0\xe0\xec\xec\xfb?");
    EXPECT_EQ(box.buttons, MessageButtons::YesNo);
    EXPECT_EQ(box.icon, MessageIcon::Question);
}

TEST_F(SweeperTest, DeletesListedFilesIncludingTheListAndReportsSuccess) {
    files.addFile("a.dll");
    files.addFile("b.txt");
    files.addFile("/elsewhere/abs.txt");
    files.addFolder("plugins");
    files.addFile("uninst.dat", "a.dll\r\nuninst.dat\r\n\r\n   \r\nplugins\r\n/elsewhere/abs.txt\r\nnot-there\r\nb.txt");
    run();
    EXPECT_FALSE(files.exists("a.dll"));
    EXPECT_FALSE(files.exists("b.txt"));
    EXPECT_FALSE(files.exists("uninst.dat"));
    EXPECT_FALSE(files.exists("/elsewhere/abs.txt"));
    EXPECT_TRUE(files.exists("plugins")) << "a folder entry removes nothing";
    EXPECT_TRUE(files.exists("VT-90")) << "not listed, so not deleted";
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].caption, std::string(kReportCaption));
    EXPECT_EQ(dialogs.shown[1].text, std::string(kReportSuccess));
    EXPECT_EQ(dialogs.shown[1].buttons, MessageButtons::Ok);
    EXPECT_EQ(dialogs.shown[1].icon, MessageIcon::None);
}

TEST_F(SweeperTest, LeadingBlankNamesADifferentFile) {
    files.addFile("uninst.dat", " VT-90\n");
    run();
    EXPECT_TRUE(files.exists("VT-90"));
    EXPECT_EQ(files.deleteRequests.front(), "/opt/VT-90/ VT-90");
}

TEST_F(SweeperTest, FilesThatRemainAreNamedInsteadOfReportingSuccess) {
    files.addFile("locked.dll");
    files.refuseDelete("locked.dll");
    files.addFile("gone.txt");
    files.addFile("uninst.dat", "locked.dll\ngone.txt\nlocked.dll\n");
    run();
    EXPECT_FALSE(files.exists("gone.txt"));
    ASSERT_EQ(dialogs.shown.size(), 2u);
    const auto& box = dialogs.shown[1];
    EXPECT_EQ(box.caption, std::string(kReportCaption));
    EXPECT_EQ(box.text, std::string(kReportRemaining) + "\rlocked.dll");
    EXPECT_EQ(box.icon, MessageIcon::Warning);
    EXPECT_EQ(system.started.size(), 1u) << "self-deletion still runs";
}

TEST_F(SweeperTest, LongListOfRemainingFilesIsCut) {
    std::string list;
    for (int i = 0; i < 25; ++i) {
        const std::string name = "f" + std::to_string(i);
        files.addFile(name);
        files.refuseDelete(name);
        list += name + "\n";
    }
    files.addFile("uninst.dat", list);
    run();
    ASSERT_EQ(dialogs.shown.size(), 2u);
    const std::string& text = dialogs.shown[1].text;
    EXPECT_NE(text.find("\rf19"), std::string::npos);
    EXPECT_EQ(text.find("\rf20"), std::string::npos);
    EXPECT_NE(text.find(std::string(kReportMore) + "5"), std::string::npos);
}

TEST_F(SweeperTest, UnopenableListDeletesNothingShowsNoReportButStillSelfDeletes) {
    files.addFile("uninst.dat", "VT-90\n");
    files.refuseRead("uninst.dat");
    system.startMenu = "/menu/";
    files.addFile("/menu/VT-90/VT-90.desktop");
    run();
    EXPECT_TRUE(files.deleteRequests.empty());
    EXPECT_TRUE(files.exists("/menu/VT-90/VT-90.desktop"));
    EXPECT_EQ(dialogs.shown.size(), 1u) << "only the confirmation";
    ASSERT_EQ(system.started.size(), 1u);
}

TEST_F(SweeperTest, StartMenuFolderLosesItsFilesButKeepsNestedFolders) {
    system.startMenu = "/menu/";
    files.addFile("/menu/VT-90/VT-90.desktop");
    files.addFile("/menu/VT-90/Sweeper.desktop");
    files.addFile("/menu/VT-90/nested/keep.desktop");
    files.addFile("/menu/other.desktop");
    files.addFile("uninst.dat", "VT-90\n");
    run();
    EXPECT_FALSE(files.exists("/menu/VT-90/VT-90.desktop"));
    EXPECT_FALSE(files.exists("/menu/VT-90/Sweeper.desktop"));
    EXPECT_TRUE(files.exists("/menu/VT-90/nested/keep.desktop"));
    EXPECT_TRUE(files.exists("/menu/VT-90")) << "not empty, so it stays";
    EXPECT_TRUE(files.exists("/menu/other.desktop"));
}

TEST_F(SweeperTest, EmptyStartMenuFolderIsRemoved) {
    system.startMenu = "/menu/";
    files.addFile("/menu/VT-90/VT-90.desktop");
    files.addFile("uninst.dat", "VT-90\n");
    run();
    EXPECT_FALSE(files.exists("/menu/VT-90"));
    EXPECT_TRUE(files.exists("/menu"));
}

TEST_F(SweeperTest, UnknownStartMenuNeverTouchesARelativeFolder) {
    system.startMenu = "";
    files.addFile("uninst.dat", "a\n");
    run();
    EXPECT_EQ(files.deleteRequests, (std::vector<std::string>{"/opt/VT-90/a"}));
    EXPECT_EQ(dialogs.shown.size(), 2u);
}

TEST_F(SweeperTest, SelfDeletionStartsTheShellOnOwnPathDetached) {
    system.cwd = "/opt/my VT-90";
    files.currentDirectory = "/opt/my VT-90";
    files.addFile("/opt/my VT-90/VT-90", "ELF");
    files.addFile("uninst.dat", "x\n");
    system.exePath = "/usr/lib/whatever/Sweeper";
    run();
    ASSERT_EQ(system.started.size(), 1u);
    const auto& s = system.started[0];
    EXPECT_EQ(s.program, "/bin/sh");
    EXPECT_EQ(s.workingFolder, "/opt/my VT-90");
    ASSERT_EQ(s.arguments.size(), 5u);
    EXPECT_EQ(s.arguments[0], "-c");
    // The own name comes from the executable, the folder from the current directory.
    EXPECT_EQ(s.arguments[3], "/opt/my VT-90/Sweeper");
    EXPECT_EQ(s.arguments[4], std::to_string(system.pid));
}

TEST_F(SweeperTest, NoInterpreterNoSelfDeletion) {
    system.interpreter = "";
    files.addFile("uninst.dat", "x\n");
    run();
    EXPECT_TRUE(system.started.empty());
    EXPECT_EQ(dialogs.shown.size(), 2u);
}
