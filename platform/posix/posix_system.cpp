#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "platform/native.h"
#include "platform/posix/posix_util.h"
#include "platform/text/codepage.h"
#include "platform/desktop_entry.h"
#include "platform/xdg_folders.h"

extern char** environ;

namespace platform {
namespace {

std::optional<std::string> rawEnv(const char* name) {
    const char* value = std::getenv(name);
    if (!value)
        return std::nullopt;
    return std::string(value);
}

std::optional<std::string> readSmallFile(const std::string& path) {
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!fd)
        return std::nullopt;
    std::string bytes;
    char buffer[4096];
    ssize_t n;
    while ((n = ::read(fd.get(), buffer, sizeof buffer)) > 0 && bytes.size() < (1u << 20))
        bytes.append(buffer, static_cast<size_t>(n));
    return bytes;
}

// The grandchild's last steps before exec: only async-signal-safe calls between fork and exec.
[[noreturn]] void execDetached(const char* program, char* const* argv, const char* workdir, int reportFd) {
    ::setsid();
    const int devnull = ::open("/dev/null", O_RDWR);
    if (devnull >= 0) {
        ::dup2(devnull, 0);
        ::dup2(devnull, 1);
        ::dup2(devnull, 2);
    }
    if (workdir && ::chdir(workdir) != 0) {
        const int err = errno;
        [[maybe_unused]] auto ignored = ::write(reportFd, &err, sizeof err);
        ::_exit(127);
    }
    // No inherited descriptors: everything above the standard three goes, except the report
    // pipe, which is close-on-exec.
    for (int fd = 3; fd < 65536; ++fd)
        if (fd != reportFd)
            ::close(fd);
    ::execve(program, argv, environ);
    const int err = errno;
    [[maybe_unused]] auto ignored = ::write(reportFd, &err, sizeof err);
    ::_exit(127);
}

class PosixSystem final : public System {
public:
    std::optional<std::string> environment(const std::string& name) override {
        auto value = rawEnv(cp1251ToUtf8(name).c_str());
        if (!value)
            return std::nullopt;
        return utf8ToCp1251(*value);
    }

    std::string currentDirectory() override {
        // No fixed buffer: long paths come back whole.
        std::string buffer(PATH_MAX, '\0');
        while (!::getcwd(buffer.data(), buffer.size())) {
            if (errno != ERANGE)
                return {};
            buffer.resize(buffer.size() * 2);
        }
        buffer.resize(std::strlen(buffer.c_str()));
        return utf8ToCp1251(buffer);
    }

    std::string executablePath() override {
        std::string buffer(PATH_MAX, '\0');
        for (;;) {
            const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
            if (n < 0)
                return {};
            if (static_cast<size_t>(n) < buffer.size()) {
                buffer.resize(static_cast<size_t>(n));
                return utf8ToCp1251(buffer);
            }
            buffer.resize(buffer.size() * 2);
        }
    }

    int processId() override { return static_cast<int>(::getpid()); }

    std::string temporaryFolder() override {
        // TMPDIR when it names a folder, else /tmp; resolved to its full form like the long-name
        // form of the system's temporary folder.
        std::string folder = "/tmp";
        if (auto tmpdir = rawEnv("TMPDIR"); tmpdir && !tmpdir->empty() && (*tmpdir)[0] == '/')
            folder = *tmpdir;
        if (char* real = ::realpath(folder.c_str(), nullptr)) {
            folder = real;
            std::free(real);
        }
        if (folder.back() != '/')
            folder += '/';
        return utf8ToCp1251(folder);
    }

    std::string startMenuFolder() override {
        return utf8ToCp1251(xdg::applicationsFolder(rawEnv("XDG_DATA_HOME"), rawEnv("HOME")));
    }

    std::string desktopFolder() override {
        const std::string userDirs = xdg::userDirsPath(rawEnv("XDG_CONFIG_HOME"), rawEnv("HOME"));
        std::optional<std::string> content;
        if (!userDirs.empty())
            content = readSmallFile(userDirs);
        std::optional<std::string_view> view;
        if (content)
            view = *content;
        return utf8ToCp1251(xdg::desktopFolder(view, rawEnv("HOME")));
    }

    std::string commandInterpreter() override { return "/bin/sh"; }

    bool createShortcut(const ShortcutFields& fields) override {
        // The entry is written whole and executable; desktops that ask before running an entry
        // from the desktop folder are told it is trusted. A failed write goes unnoticed, like a
        // failed save of a shell link.
        const std::string os = osPath(fields.linkFile);
        const std::string text = desktopEntryText(fields);
        UniqueFd fd(::open(os.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOCTTY, 0755));
        if (fd && writeAll(fd.get(), text.data(), text.size())) {
            ::fchmod(fd.get(), 0755);
            ::close(fd.release());
            markTrusted(os);
        }
        return true;
    }

    bool startDetached(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& workingFolder) override {
        // Everything the children need is prepared before fork.
        const std::string osProgram = osPath(program);
        std::vector<std::string> osArgs;
        osArgs.push_back(osProgram);
        for (const std::string& a : arguments)
            osArgs.push_back(osPath(a));
        std::vector<char*> argv;
        for (std::string& a : osArgs)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        const std::string osWorkdir = osPath(workingFolder);

        int report[2];
        if (::pipe2(report, O_CLOEXEC) != 0)
            return false;
        const pid_t child = ::fork();
        if (child < 0) {
            ::close(report[0]);
            ::close(report[1]);
            return false;
        }
        if (child == 0) {
            // The intermediate child leaves at once, so that the program is nobody's child here
            // and never waits as a zombie for this process.
            ::close(report[0]);
            ::signal(SIGCHLD, SIG_DFL);
            const pid_t grandchild = ::fork();
            if (grandchild < 0) {
                const int err = errno;
                [[maybe_unused]] auto ignored = ::write(report[1], &err, sizeof err);
                ::_exit(127);
            }
            if (grandchild == 0)
                execDetached(osProgram.c_str(), argv.data(), osWorkdir.empty() ? nullptr : osWorkdir.c_str(), report[1]);
            ::_exit(0);
        }
        ::close(report[1]);
        int status = 0;
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
        // The report pipe closes on a successful exec; an error number arrives otherwise.
        int err = 0;
        ssize_t n;
        while ((n = ::read(report[0], &err, sizeof err)) < 0 && errno == EINTR) {
        }
        ::close(report[0]);
        return n == 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
};

}  // namespace

System& nativeSystem() {
    static PosixSystem system;
    return system;
}

}  // namespace platform
