#include "uninstaller/self_delete.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <sys/wait.h>
#include <unistd.h>

using namespace uninstaller;

TEST(WindowsSelfDelete, ParametersAndCommandLine) {
    struct Case {
        const char* interpreter;
        const char* cwd;
        const char* ownName;
        const char* commandLine;
    } cases[] = {
        {"C:\\Windows\\system32\\cmd.exe", "C:\\Games\\VT-90", "u.exe",
         "\"C:\\Windows\\system32\\cmd.exe\" /c del \"C:\\Games\\VT-90\\u.exe\""},
        {"C:\\Windows\\system32\\cmd.exe", "C:\\", "u.exe", "\"C:\\Windows\\system32\\cmd.exe\" /c del \"C:\\u.exe\""},
        {"\"C:\\Program Files\\cmd.exe\"", "D:\\Apps\\", "Sweeper.exe",
         "\"C:\\Program Files\\cmd.exe\" /c del \"D:\\Apps\\Sweeper.exe\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(windowsCommandLine(c.interpreter, windowsDeleteParameters(c.cwd, c.ownName)), c.commandLine);
}

// The shell arguments are run for real: a hostile file name must be removed and nothing else.
TEST(ShellSelfDelete, RemovesExactlyTheNamedFileWhateverItsCharacters) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("vt-selfdel-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string hostile = (dir / "my \"un' $HOME `x` *.exe").string();
    std::ofstream(hostile) << "x";
    std::ofstream(dir / "keep") << "x";

    auto args = shellDeleteArguments(hostile, 999999999);  // no such process: no waiting
    std::vector<char*> argv{const_cast<char*>("/bin/sh")};
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::execv("/bin/sh", argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_FALSE(fs::exists(hostile));
    EXPECT_TRUE(fs::exists(dir / "keep"));
    fs::remove_all(dir);
}
