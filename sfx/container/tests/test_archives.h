#pragma once
// Real folders and hand-made archives for the tests of the installer family.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace sfx::test {

// A fresh folder under the temporary folder, removed with everything in it (read-only parts
// included).
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }
    // The folder as the system's text (1251), ending with a separator.
    std::string text() const;

private:
    std::filesystem::path path_;
};

void writeBytes(const std::filesystem::path& path, const std::string& bytes);
std::string readBytes(const std::filesystem::path& path);

struct RawEntry {
    std::string name;  // stored as given (bytes)
    std::string data;
    uint32_t unixMode = 0;     // with "made by" Unix when not 0
    uint32_t attributes = 0x20;
    uint32_t dosDateTime = 0x52A94A76;  // some day in 2021
};

// Writes a ZIP archive with minizip, names and fields exactly as given.
std::string makeZip(const std::vector<RawEntry>& entries);

// Runs a command through the shell; its standard output, and its exit status in *status.
std::string run(const std::string& command, int* status = nullptr);

// A stand-in for the installer program in front of an archive.
std::string fakeStub();

}  // namespace sfx::test
