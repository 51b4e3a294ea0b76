#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include <gtest/gtest.h>

#include "platform/native.h"
#include "temp_folder.h"

using namespace platform;
namespace fs = std::filesystem;

namespace {

bool waitFor(const fs::path& p) {
    for (int i = 0; i < 100 && !fs::exists(p); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    // The writer may still be mid-write; give it a moment to finish.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    return fs::exists(p);
}

std::string slurp(const fs::path& p) {
    std::ifstream in(p);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

TEST(PosixSystem, StartDetachedRunsHiddenInItsOwnSessionWithoutOurDescriptors) {
    TempFolder tmp;
    // A descriptor that would be inherited by a careless start.
    const int leaky = ::open("/dev/null", O_RDONLY);
    ASSERT_GE(leaky, 0);
    const std::string script =
        "i=$(readlink /proc/$$/fd/0); o=$(readlink /proc/$$/fd/1); "
        "pwd > out.tmp; "
        "ls /proc/self/fd | sort -n | tr '\\n' ' ' >> out.tmp; echo >> out.tmp; "
        "echo \"$i\" >> out.tmp; echo \"$o\" >> out.tmp; "
        "cut -d' ' -f6 /proc/$$/stat >> out.tmp; echo $$ >> out.tmp; "
        "echo \"$1\" >> out.tmp; mv out.tmp out.txt";
    ASSERT_TRUE(nativeSystem().startDetached("/bin/sh", {"-c", script, "sh", "a b'c\"$HOME"}, tmp.str()));
    ::close(leaky);
    ASSERT_TRUE(waitFor(tmp.path() / "out.txt"));
    std::istringstream lines(slurp(tmp.path() / "out.txt"));
    std::string cwd, fds, in, out, sid, pid, arg;
    std::getline(lines, cwd);
    std::getline(lines, fds);
    std::getline(lines, in);
    std::getline(lines, out);
    std::getline(lines, sid);
    std::getline(lines, pid);
    std::getline(lines, arg);
    EXPECT_EQ(fs::canonical(cwd), fs::canonical(tmp.path()));
    // ls itself holds one descriptor for reading the folder; the shell none beyond 0, 1, 2.
    EXPECT_EQ(fds.substr(0, 6), "0 1 2 ");
    EXPECT_LE(fds.size(), 9u) << fds;
    EXPECT_EQ(in, "/dev/null");
    EXPECT_EQ(out, "/dev/null");
    EXPECT_EQ(std::stoi(sid), std::stoi(pid)) << "a session of its own";
    EXPECT_EQ(arg, "a b'c\"$HOME") << "arguments arrive untouched";
}

TEST(PosixSystem, StartDetachedReportsAProgramThatCannotStart) {
    EXPECT_FALSE(nativeSystem().startDetached("/nonexistent/program", {}, "/"));
    EXPECT_FALSE(nativeSystem().startDetached("/bin/sh", {"-c", "true"}, "/nonexistent/folder"));
}

TEST(PosixSystem, CurrentDirectoryLongerThan255BytesComesBackWhole) {
    TempFolder tmp;
    fs::path deep = tmp.path();
    for (int i = 0; i < 12; ++i)
        deep /= std::string(40, static_cast<char>('a' + i));
    fs::create_directories(deep);
    const fs::path before = fs::current_path();
    fs::current_path(deep);
    const std::string cwd = nativeSystem().currentDirectory();
    fs::current_path(before);
    EXPECT_GT(cwd.size(), 255u);
    EXPECT_EQ(fs::path(cwd), fs::canonical(deep));
}

TEST(PosixSystem, ExecutablePathNamesThisTestProgram) {
    const std::string exe = nativeSystem().executablePath();
    EXPECT_EQ(fs::path(exe).filename(), "platform_tests");
    EXPECT_TRUE(fs::exists(exe));
}

TEST(PosixSystem, EnvironmentAndUserFolders) {
    ::setenv("VT_TEST_VALUE", "\xd0\x96", 1);  // Ж in UTF-8
    EXPECT_EQ(nativeSystem().environment("VT_TEST_VALUE").value_or(""), "\xc6");
    EXPECT_FALSE(nativeSystem().environment("VT_TEST_SURELY_UNSET"));
    ::setenv("XDG_DATA_HOME", "/tmp/xdgdata", 1);
    EXPECT_EQ(nativeSystem().startMenuFolder(), "/tmp/xdgdata/applications/");
    EXPECT_EQ(nativeSystem().commandInterpreter(), "/bin/sh");
}

TEST(PosixSystem, TemporaryFolderFollowsTmpdirAndEndsWithSeparator) {
    TempFolder tmp;
    ::setenv("TMPDIR", tmp.str().c_str(), 1);
    EXPECT_EQ(fs::path(nativeSystem().temporaryFolder()), fs::canonical(tmp.path()) / "");
    ::setenv("TMPDIR", "relative/path", 1);
    EXPECT_EQ(nativeSystem().temporaryFolder(), "/tmp/");
    ::unsetenv("TMPDIR");
    EXPECT_EQ(nativeSystem().temporaryFolder(), "/tmp/");
}
