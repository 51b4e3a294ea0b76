#include <dirent.h>
#include <sys/time.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <memory>

#include "platform/native.h"
#include "platform/posix/posix_util.h"
#include "platform/text/codepage.h"
#include "platform/text/wildcard.h"

namespace platform {
namespace {

class StdioFile final : public OpenFile {
public:
    explicit StdioFile(FILE* file) : file_(file) {}
    ~StdioFile() override {
        if (file_)
            std::fclose(file_);
    }
    int64_t read(void* buffer, size_t size) override {
        const size_t n = std::fread(buffer, 1, size, file_);
        if (n == 0 && std::ferror(file_))
            return -1;
        return static_cast<int64_t>(n);
    }
    bool write(const void* data, size_t size) override { return std::fwrite(data, 1, size, file_) == size; }
    bool seek(int64_t offset, Origin origin) override {
        const int whence = origin == Origin::Start ? SEEK_SET : origin == Origin::Current ? SEEK_CUR : SEEK_END;
        return ::fseeko(file_, static_cast<off_t>(offset), whence) == 0;
    }
    int64_t tell() override { return ::ftello(file_); }
    bool close() override {
        if (!file_)
            return false;
        const bool ok = !std::ferror(file_) && std::fflush(file_) == 0;
        const bool closed = std::fclose(file_) == 0;
        file_ = nullptr;
        return ok && closed;
    }

private:
    FILE* file_;
};

class PosixFiles final : public Files {
public:
    std::unique_ptr<OpenFile> openFile(const std::string& path, OpenMode mode) override {
        if (path.empty())
            return nullptr;
        const std::string os = osPath(path);
        int fd = -1;
        if (mode == OpenMode::Read) {
            fd = ::open(os.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
        } else {
            // A read-only file keeps its content even for the superuser, as it does on Windows,
            // where the attribute refuses every writer.
            struct stat existing {};
            if (::stat(os.c_str(), &existing) == 0 && S_ISREG(existing.st_mode) && !(existing.st_mode & S_IWUSR))
                return nullptr;
            fd = ::open(os.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOCTTY, 0666);
        }
        UniqueFd owned(fd);
        struct stat st {};
        if (!owned || ::fstat(owned.get(), &st) != 0 || !S_ISREG(st.st_mode))
            return nullptr;
        if (mode == OpenMode::Read)
            ::fcntl(owned.get(), F_SETFL, ::fcntl(owned.get(), F_GETFL) & ~O_NONBLOCK);
        FILE* file = ::fdopen(owned.get(), mode == OpenMode::Read ? "rb" : "w+b");
        if (!file)
            return nullptr;
        owned.release();
        return std::make_unique<StdioFile>(file);
    }

    std::optional<FileStamp> fileStamp(const std::string& path) override {
        struct stat st {};
        if (path.empty() || ::stat(osPath(path).c_str(), &st) != 0 || !S_ISREG(st.st_mode))
            return std::nullopt;
        const size_t cut = path.find_last_of('/');
        const std::string name = cut == std::string::npos ? path : path.substr(cut + 1);
        FileStamp stamp;
        stamp.lastWrite = static_cast<int64_t>(st.st_mtime);
        stamp.attributes = windowsAttributes((st.st_mode & S_IWUSR) != 0, name);
        stamp.unixMode = static_cast<uint32_t>(st.st_mode);
        return stamp;
    }

    bool setLastWriteTime(const std::string& path, int64_t lastWrite) override {
        struct timespec times[2] {};
        times[0].tv_nsec = UTIME_OMIT;
        times[1].tv_sec = static_cast<time_t>(lastWrite);
        return !path.empty() && ::utimensat(AT_FDCWD, osPath(path).c_str(), times, 0) == 0;
    }

    bool setAttributes(const std::string& path, uint32_t attributes, uint32_t unixMode) override {
        const std::string os = osPath(path);
        struct stat st {};
        if (path.empty() || ::stat(os.c_str(), &st) != 0)
            return false;
        // Only permission bits: set-user-ID, set-group-ID and sticky bits from an archive are not
        // honoured.
        mode_t mode = unixMode & 0777;
        if (mode == 0) {
            mode = st.st_mode & 0777;
            if (attributes & kAttributeReadOnly)
                mode &= ~static_cast<mode_t>(0222);
            else
                mode |= S_IWUSR;
        }
        return ::chmod(os.c_str(), mode) == 0;
    }

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
