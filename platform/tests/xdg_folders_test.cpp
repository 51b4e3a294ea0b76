#include "platform/xdg_folders.h"

#include <gtest/gtest.h>

using namespace platform::xdg;

TEST(XdgFolders, ApplicationsFolderFollowsDataHomeThenHome) {
    EXPECT_EQ(applicationsFolder("/data", "/home/u"), "/data/applications/");
    EXPECT_EQ(applicationsFolder("/data/", "/home/u"), "/data/applications/");
    EXPECT_EQ(applicationsFolder(std::nullopt, "/home/u"), "/home/u/.local/share/applications/");
    EXPECT_EQ(applicationsFolder("relative", "/home/u"), "/home/u/.local/share/applications/");
    EXPECT_EQ(applicationsFolder(std::nullopt, std::nullopt), "");
    EXPECT_EQ(applicationsFolder("", ""), "");
}

TEST(XdgFolders, DesktopFromUserDirsFile) {
    const char* file =
        "# written by xdg-user-dirs-update\n"
        "XDG_DOWNLOAD_DIR=\"$HOME/Downloads\"\n"
        "XDG_DESKTOP_DIR=\"$HOME/\xd0\xa0\xd0\xb0\xd0\xb1\xd0\xbe\xd1\x87\xd0\xb8\xd0\xb9 \xd1\x81\xd1\x82\xd0\xbe\xd0\xbb\"\n";
    EXPECT_EQ(desktopFolder(file, "/home/u"),
              "/home/u/\xd0\xa0\xd0\xb0\xd0\xb1\xd0\xbe\xd1\x87\xd0\xb8\xd0\xb9 \xd1\x81\xd1\x82\xd0\xbe\xd0\xbb/");
    EXPECT_EQ(desktopFolder("XDG_DESKTOP_DIR=\"/srv/desk\"\n", "/home/u"), "/srv/desk/");
}

TEST(XdgFolders, DesktopFallsBackToHomeDesktop) {
    EXPECT_EQ(desktopFolder(std::nullopt, "/home/u"), "/home/u/Desktop/");
    EXPECT_EQ(desktopFolder("XDG_DESKTOP_DIR=\"relative\"\n", "/home/u"), "/home/u/Desktop/");
    EXPECT_EQ(desktopFolder("XDG_DESKTOP_DIR=\"$HOME/unterminated\n", "/home/u"), "/home/u/Desktop/");
    EXPECT_EQ(desktopFolder(std::nullopt, std::nullopt), "");
}

TEST(XdgFolders, UserDirsPath) {
    EXPECT_EQ(userDirsPath("/cfg", "/home/u"), "/cfg/user-dirs.dirs");
    EXPECT_EQ(userDirsPath(std::nullopt, "/home/u"), "/home/u/.config/user-dirs.dirs");
    EXPECT_EQ(userDirsPath(std::nullopt, std::nullopt), "");
}
