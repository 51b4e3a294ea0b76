#pragma once
// Files and folders, named by 8-bit code page 1251 path text. The native implementation converts
// names to the file system's encoding; the fake keeps them in memory for tests.

#include <cstdint>
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
};

}  // namespace platform
