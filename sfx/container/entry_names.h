#pragma once
// How file paths become archive entry names and entry names become paths again.

#include <string>

namespace sfx {

// The path of a file below the source folder (which ends with a separator), without that
// folder: the folder's leading occurrence is removed, compared without regard to letter case.
std::string relativeEntryPath(const std::string& fullPath, const std::string& sourceFolder);

// The stored form of a relative path: code page 866, "/" between folders.
std::string storedEntryName(const std::string& relativePath1251);

// Where an entry may be written, relative to the install folder, "/" between folders.
struct InstallName {
    std::string path;      // empty when refused
    bool isFolder = false;  // the name ended with a separator
    // The name tried to leave the install folder: an absolute name (made relative), or a ".."
    // component (refused). Either way the entry counts as failed.
    bool hostile = false;
    bool refused = false;
};

// From the stored name (code page 866) to the install path: 1251, both "/" and "\" separate
// folders, everything up to the first ":\" is dropped (a drive), leading separators are dropped,
// "." components vanish, and a name with a ".." component is refused.
InstallName installNameFor(const std::string& storedName866);

}  // namespace sfx
