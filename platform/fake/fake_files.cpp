#include "platform/fake/fake_files.h"

#include <algorithm>
#include <cstring>

#include "platform/text/wildcard.h"

namespace platform::fake {
namespace {

std::string parentOf(const std::string& path) {
    const size_t cut = path.find_last_of('/');
    return cut == 0 ? "/" : path.substr(0, cut);
}

// Reads and writes the node's content in place; the node outlives the file in every test.
class FakeOpenFile final : public OpenFile {
public:
    explicit FakeOpenFile(std::string& content) : content_(content) {}
    int64_t read(void* buffer, size_t size) override {
        if (position_ >= content_.size())
            return 0;
        const size_t n = std::min(size, content_.size() - position_);
        std::memcpy(buffer, content_.data() + position_, n);
        position_ += n;
        return static_cast<int64_t>(n);
    }
    bool write(const void* data, size_t size) override {
        if (content_.size() < position_ + size)
            content_.resize(position_ + size);
        std::memcpy(content_.data() + position_, data, size);
        position_ += size;
        return true;
    }
    bool seek(int64_t offset, Origin origin) override {
        const int64_t base = origin == Origin::Start     ? 0
                             : origin == Origin::Current ? static_cast<int64_t>(position_)
                                                         : static_cast<int64_t>(content_.size());
        if (base + offset < 0)
            return false;
        position_ = static_cast<size_t>(base + offset);
        return true;
    }
    int64_t tell() override { return static_cast<int64_t>(position_); }
    bool close() override { return true; }

private:
    std::string& content_;
    size_t position_ = 0;
};

}  // namespace

std::unique_ptr<OpenFile> FakeFiles::openFile(const std::string& path, OpenMode mode) {
    const std::string full = resolve(path);
    if (mode == OpenMode::Create) {
        auto it = nodes_.find(full);
        if (it != nodes_.end() && (it->second.stamp.attributes & kAttributeReadOnly))
            return nullptr;
        if (!writeFile(full, {}))
            return nullptr;
    } else if (unreadable_.count(full)) {
        return nullptr;
    }
    auto it = nodes_.find(full);
    if (it == nodes_.end() || it->second.isFolder)
        return nullptr;
    return std::make_unique<FakeOpenFile>(it->second.content);
}

std::optional<FileStamp> FakeFiles::fileStamp(const std::string& path) {
    auto it = nodes_.find(resolve(path));
    if (it == nodes_.end() || it->second.isFolder)
        return std::nullopt;
    return it->second.stamp;
}

bool FakeFiles::setLastWriteTime(const std::string& path, int64_t lastWrite) {
    auto it = nodes_.find(resolve(path));
    if (it == nodes_.end())
        return false;
    it->second.stamp.lastWrite = lastWrite;
    return true;
}

bool FakeFiles::setAttributes(const std::string& path, uint32_t attributes, uint32_t unixMode) {
    auto it = nodes_.find(resolve(path));
    if (it == nodes_.end())
        return false;
    it->second.stamp.attributes = attributes;
    it->second.stamp.unixMode = unixMode;
    return true;
}

FileStamp FakeFiles::stamp(const std::string& path) const {
    auto it = nodes_.find(resolve(path));
    return it == nodes_.end() ? FileStamp{} : it->second.stamp;
}

void FakeFiles::setStamp(const std::string& path, const FileStamp& stamp) {
    auto it = nodes_.find(resolve(path));
    if (it != nodes_.end())
        it->second.stamp = stamp;
}

std::string FakeFiles::resolve(const std::string& path) const {
    if (path.empty())
        return {};
    std::string full = path[0] == '/' ? path : currentDirectory + "/" + path;
    std::string out;
    for (char c : full)
        if (!(c == '/' && !out.empty() && out.back() == '/'))
            out += c;
    while (out.size() > 1 && out.back() == '/')
        out.pop_back();
    return out;
}

void FakeFiles::addFolder(const std::string& path) {
    const std::string full = resolve(path);
    if (full != "/" && !nodes_.count(parentOf(full)))
        addFolder(parentOf(full));
    if (nodes_.emplace(full, Node{true, {}}).second)
        order_.push_back(full);
}

void FakeFiles::addFile(const std::string& path, const std::string& content) {
    const std::string full = resolve(path);
    addFolder(parentOf(full));
    if (!nodes_.count(full))
        order_.push_back(full);
    nodes_[full] = Node{false, content};
}

bool FakeFiles::exists(const std::string& path) const { return nodes_.count(resolve(path)) > 0; }

std::string FakeFiles::content(const std::string& path) const {
    auto it = nodes_.find(resolve(path));
    return it == nodes_.end() ? std::string() : it->second.content;
}

PathInfo FakeFiles::pathInfo(const std::string& path) {
    auto it = nodes_.find(resolve(path));
    if (path.empty() || it == nodes_.end())
        return {};
    if (it->second.isFolder)
        return {PathKind::Folder, 0};
    return {PathKind::File, it->second.content.size()};
}

std::optional<std::string> FakeFiles::readFile(const std::string& path) {
    const std::string full = resolve(path);
    auto it = nodes_.find(full);
    if (it == nodes_.end() || it->second.isFolder || unreadable_.count(full))
        return std::nullopt;
    return it->second.content;
}

bool FakeFiles::writeFile(const std::string& path, const std::string& bytes) {
    const std::string full = resolve(path);
    auto parent = nodes_.find(parentOf(full));
    if (full.empty() || parent == nodes_.end() || !parent->second.isFolder)
        return false;
    auto it = nodes_.find(full);
    if (it != nodes_.end() && (it->second.isFolder || undeletable_.count(full)))
        return false;
    addFile(full, bytes);
    return true;
}

bool FakeFiles::deleteFile(const std::string& path) {
    const std::string full = resolve(path);
    deleteRequests.push_back(full);
    auto it = nodes_.find(full);
    if (it == nodes_.end() || it->second.isFolder || undeletable_.count(full))
        return false;
    nodes_.erase(it);
    order_.erase(std::remove(order_.begin(), order_.end(), full), order_.end());
    return true;
}

std::optional<std::vector<FolderEntry>> FakeFiles::listFolder(const std::string& folder, const std::string& pattern) {
    const std::string full = resolve(folder.empty() ? currentDirectory : folder);
    auto it = nodes_.find(full);
    if (it == nodes_.end() || !it->second.isFolder)
        return std::nullopt;
    std::vector<FolderEntry> entries;
    for (const char* dot : {".", ".."})
        if (wildcardMatch(pattern, dot))
            entries.push_back({dot, true, false});
    for (const std::string& p : order_) {
        if (p == full || parentOf(p) != full)
            continue;
        const std::string name = p.substr(p.find_last_of('/') + 1);
        if (wildcardMatch(pattern, name))
            entries.push_back({name, nodes_.at(p).isFolder, false});
    }
    return entries;
}

bool FakeFiles::createFolders(const std::string& path) {
    const std::string full = resolve(path);
    auto it = nodes_.find(full);
    if (it != nodes_.end())
        return it->second.isFolder;
    addFolder(full);
    return true;
}

bool FakeFiles::hasChildren(const std::string& folder) const {
    return std::any_of(nodes_.begin(), nodes_.end(),
                       [&](const auto& kv) { return kv.first != folder && parentOf(kv.first) == folder; });
}

bool FakeFiles::removeFolder(const std::string& path) {
    const std::string full = resolve(path);
    auto it = nodes_.find(full);
    if (it == nodes_.end() || !it->second.isFolder || hasChildren(full) || undeletable_.count(full) || full == "/")
        return false;
    nodes_.erase(it);
    order_.erase(std::remove(order_.begin(), order_.end(), full), order_.end());
    return true;
}

}  // namespace platform::fake
