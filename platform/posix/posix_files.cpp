#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

#include "platform/native.h"
#include "platform/posix/posix_util.h"
#include "platform/text/codepage.h"
#include "platform/text/wildcard.h"

namespace platform {
namespace {

class PosixFiles final : public Files {
public:
    PathInfo pathInfo(const std::string& path) override {
        struct stat st {};
        if (path.empty() || ::stat(osPath(path).c_str(), &st) != 0)
            return {};
        if (S_ISDIR(st.st_mode))
            return {PathKind::Folder, 0};
        return {PathKind::File, static_cast<uint64_t>(st.st_size)};
    }

    std::optional<std::string> readFile(const std::string& path) override {
        // O_NONBLOCK keeps a FIFO or device of that name from blocking the open; only regular
        // files are read.
        UniqueFd fd(::open(osPath(path).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
        if (!fd)
            return std::nullopt;
        struct stat st {};
        if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
            return std::nullopt;
        std::string bytes;
        bytes.reserve(static_cast<size_t>(st.st_size));
        char buffer[65536];
        for (;;) {
            const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
            if (n == 0)
                break;
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                return std::nullopt;
            }
            bytes.append(buffer, static_cast<size_t>(n));
        }
        return bytes;
    }

    bool writeFile(const std::string& path, const std::string& bytes) override {
        UniqueFd fd(::open(osPath(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOCTTY, 0666));
        if (!fd)
            return false;
        return writeAll(fd.get(), bytes.data(), bytes.size()) && ::close(fd.release()) == 0;
    }

    bool deleteFile(const std::string& path) override {
        if (path.empty())
            return false;
        return ::unlink(osPath(path).c_str()) == 0;
    }

    std::optional<std::vector<FolderEntry>> listFolder(const std::string& folder, const std::string& pattern) override {
        const std::string dirPath = folder.empty() ? std::string(".") : osPath(folder);
        std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(dirPath.c_str()), ::closedir);
        if (!dir)
            return std::nullopt;
        std::vector<FolderEntry> entries;
        while (const dirent* ent = ::readdir(dir.get())) {
            std::string name = utf8ToCp1251(ent->d_name);
            if (!wildcardMatch(pattern, name))
                continue;
            FolderEntry entry;
            entry.name = std::move(name);
            struct stat st {};
            const std::string full = dirPath + "/" + ent->d_name;
            if (::lstat(full.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
                entry.isLink = true;
                // A link to a folder counts as a folder, as a directory junction does.
                struct stat target {};
                entry.isFolder = ::stat(full.c_str(), &target) == 0 && S_ISDIR(target.st_mode);
            } else {
                entry.isFolder = S_ISDIR(st.st_mode);
            }
            entries.push_back(std::move(entry));
        }
        return entries;
    }

    bool createFolders(const std::string& path) override {
        const std::string os = osPath(path);
        if (os.empty())
            return false;
        for (size_t i = 1; i <= os.size(); ++i) {
            if (i == os.size() || os[i] == '/') {
                const std::string prefix = os.substr(0, i);
                if (::mkdir(prefix.c_str(), 0777) != 0 && errno != EEXIST)
                    return false;
            }
        }
        struct stat st {};
        return ::stat(os.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    }

    bool removeFolder(const std::string& path) override {
        return !path.empty() && ::rmdir(osPath(path).c_str()) == 0;
    }
};

}  // namespace

Files& nativeFiles() {
    static PosixFiles files;
    return files;
}

}  // namespace platform
