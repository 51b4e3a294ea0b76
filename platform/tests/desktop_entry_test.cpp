#include "platform/desktop_entry.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <sstream>

#include "common/cp1251.h"
#include "platform/native.h"
#include "platform/tests/temp_folder.h"

namespace platform {
namespace {

TEST(DesktopEntry, CarriesTheShortcutFields) {
    ShortcutFields f;
    f.linkFile = "/home/u/Desktop/VT-90.desktop";
    f.target = "/opt/VT-90/VT-90";
    f.workingFolder = "/opt/VT-90/";
    f.description = common::cp1251("ярлык VT-90");
    f.iconFile = f.target;
    EXPECT_EQ(desktopEntryText(f),
              "[Desktop Entry]\nType=Application\nVersion=1.0\nName=VT-90\nComment=ярлык VT-90\n"
              "Exec=/opt/VT-90/VT-90\nPath=/opt/VT-90/\nIcon=/opt/VT-90/VT-90\nTerminal=false\n");
}

TEST(DesktopEntry, QuotesTargetsThatNeedIt) {
    EXPECT_EQ(desktopExecArgument("/opt/a b/VT-90"), "\"/opt/a b/VT-90\"");
    EXPECT_EQ(desktopExecArgument("/opt/$x/\"q\""), "\"/opt/\\$x/\\\"q\\\"\"");
    EXPECT_EQ(desktopExecArgument("/opt/100%/p"), "\"/opt/100%%/p\"");
    ShortcutFields f;
    f.linkFile = "VT-90.desktop";
    f.target = "/opt/a\\b/VT-90";
    // The Exec value is quoted for the command line, then escaped as a string value.
    EXPECT_NE(desktopEntryText(f).find("Exec=\"/opt/a\\\\\\\\b/VT-90\"\n"), std::string::npos) << desktopEntryText(f);
}

TEST(DesktopEntry, NativeShortcutIsWrittenExecutableAndReplaced) {
    TempFolder t;
    ShortcutFields f;
    f.linkFile = t.str() + "/VT-90.desktop";
    f.target = "/opt/VT-90/VT-90";
    std::ofstream(f.linkFile) << "old";
    EXPECT_TRUE(nativeSystem().createShortcut(f));
    std::ifstream in(f.linkFile);
    std::stringstream s;
    s << in.rdbuf();
    EXPECT_EQ(s.str(), desktopEntryText(f));
    struct stat st {};
    ASSERT_EQ(::stat(f.linkFile.c_str(), &st), 0);
    EXPECT_NE(st.st_mode & S_IXUSR, 0u);
}

}  // namespace
}  // namespace platform
