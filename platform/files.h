#pragma once
// Files and folders, named by 8-bit code page 1251 path text. The native implementation converts
// names to the file system's encoding; the fake keeps them in memory for tests.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

enum class PathKind { Missing, File, Folder };

struct PathInfo {
    PathKind kind = PathKind::Missing;
    uint64_t size = 0;  // bytes of a file; 0 for a folder or a missing path
};

struct FolderEntry {
    std::string name;
    bool isFolder = false;
    bool isLink = false;  // a symbolic link (isFolder tells what it points at)
};

// The file's last-write time and attributes. The Windows attribute word travels in ZIP archives;
// on Linux it is derived from the mode (see windowsAttributes) and the mode travels beside it.
struct FileStamp {
    int64_t lastWrite = 0;    // seconds since 1970-01-01 00:00 UTC
    uint32_t attributes = 0;  // read-only 0x01, hidden 0x02, system 0x04, archive 0x20, normal 0x80
    uint32_t unixMode = 0;    // permission and type bits where the system has them, else 0
};

inline constexpr uint32_t kAttributeReadOnly = 0x01;
inline constexpr uint32_t kAttributeHidden = 0x02;
inline constexpr uint32_t kAttributeArchive = 0x20;

// The attribute word of a Linux file: read-only without write permission, hidden for a name that
// starts with ".", archive otherwise.
inline uint32_t windowsAttributes(bool writable, const std::string& fileName) {
    uint32_t attributes = 0;
    if (!writable)
        attributes |= kAttributeReadOnly;
    if (!fileName.empty() && fileName[0] == '.')
        attributes |= kAttributeHidden;
    return attributes == 0 ? kAttributeArchive : attributes;
}

// An open file, read or written in pieces. Not shared between threads.
class OpenFile {
public:
    virtual ~OpenFile() = default;
    // Bytes read into the buffer; 0 at the end of the file, -1 on an error.
    virtual int64_t read(void* buffer, size_t size) = 0;
    // False when not every byte could be written.
    virtual bool write(const void* data, size_t size) = 0;
    enum class Origin { Start, Current, End };
    virtual bool seek(int64_t offset, Origin origin) = 0;
    virtual int64_t tell() = 0;
    // Flushes and closes; false when anything written could not be stored. Called at most once.
    virtual bool close() = 0;
};

// Read: an existing regular file, others may read it too. Create: created or truncated, for
// reading and writing.
enum class OpenMode { Read, Create };

class Files {
public:
    virtual ~Files() = default;

    virtual PathInfo pathInfo(const std::string& path) = 0;

    // The whole content of a regular file, read while other readers may share it; nothing when
    // the path is missing, not a regular file, or cannot be read.
    virtual std::optional<std::string> readFile(const std::string& path) = 0;

    // Creates or truncates the file and writes the bytes; false when any of that failed.
    virtual bool writeFile(const std::string& path, const std::string& bytes) = 0;

    // A plain delete of one file; folders are not deleted.
    virtual bool deleteFile(const std::string& path) = 0;

    // The entries of a folder whose names match the pattern (see wildcardMatch), in the order the
    // system lists them, "." and ".." included as the system reports them; nothing when the folder
    // cannot be listed.
    virtual std::optional<std::vector<FolderEntry>> listFolder(const std::string& folder,
                                                               const std::string& pattern) = 0;

    // Creates the folder and every missing folder above it; true when it exists afterwards.
    virtual bool createFolders(const std::string& path) = 0;

    // Removes a folder; only an empty one goes.
    virtual bool removeFolder(const std::string& path) = 0;

    // Opens a file for reading or creates it; nothing when that failed.
    virtual std::unique_ptr<OpenFile> openFile(const std::string& path, OpenMode mode) {
        (void)path, (void)mode;
        return nullptr;
    }

    // The last-write time and attributes of a regular file; nothing when they cannot be read.
    virtual std::optional<FileStamp> fileStamp(const std::string& path) {
        (void)path;
        return std::nullopt;
    }

    virtual bool setLastWriteTime(const std::string& path, int64_t lastWrite) {
        (void)path, (void)lastWrite;
        return false;
    }

    // Sets the attributes: the Unix mode's permission bits where it is not 0 and the system has
    // modes, else what the Windows word says (read-only takes write permission away).
    virtual bool setAttributes(const std::string& path, uint32_t attributes, uint32_t unixMode) {
        (void)path, (void)attributes, (void)unixMode;
        return false;
    }
};

}  // namespace platform
