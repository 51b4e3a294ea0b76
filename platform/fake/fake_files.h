#pragma once
// An in-memory file system for unit tests: files and folders under absolute "/" paths,
// relative paths resolved against a current directory, and switches that make single files
// refuse to be read or deleted the way a locked or read-only file would.

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/files.h"

namespace platform::fake {

class FakeFiles final : public Files {
public:
    std::string currentDirectory = "/";

    void addFile(const std::string& path, const std::string& content = "x");
    void addFolder(const std::string& path);
    void refuseDelete(const std::string& path) { undeletable_.insert(resolve(path)); }
    void refuseRead(const std::string& path) { unreadable_.insert(resolve(path)); }

    bool exists(const std::string& path) const;
    std::string content(const std::string& path) const;
    // Every delete asked for, resolved, in order, successful or not.
    std::vector<std::string> deleteRequests;

    PathInfo pathInfo(const std::string& path) override;
    std::optional<std::string> readFile(const std::string& path) override;
    bool writeFile(const std::string& path, const std::string& bytes) override;
    bool deleteFile(const std::string& path) override;
    std::optional<std::vector<FolderEntry>> listFolder(const std::string& folder, const std::string& pattern) override;
    bool createFolders(const std::string& path) override;
    bool removeFolder(const std::string& path) override;

    std::unique_ptr<OpenFile> openFile(const std::string& path, OpenMode mode) override;
    std::optional<FileStamp> fileStamp(const std::string& path) override;
    bool setLastWriteTime(const std::string& path, int64_t lastWrite) override;
    bool setAttributes(const std::string& path, uint32_t attributes, uint32_t unixMode) override;

    // The stamp a file carries (files start at time 0, attributes archive, no mode).
    FileStamp stamp(const std::string& path) const;
    void setStamp(const std::string& path, const FileStamp& stamp);

    std::string resolve(const std::string& path) const;

private:
    struct Node {
        bool isFolder = false;
        std::string content;
        FileStamp stamp{0, kAttributeArchive, 0};
    };
    bool hasChildren(const std::string& folder) const;
    std::map<std::string, Node> nodes_{{"/", Node{true, {}}}};
    std::vector<std::string> order_;  // creation order, the order listings report
    std::set<std::string> undeletable_;
    std::set<std::string> unreadable_;
};

}  // namespace platform::fake
