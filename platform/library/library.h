#pragma once
// Libraries loaded by name at run time, found by the system's usual search for them.

#include <memory>
#include <string>
#include <string_view>

#include "platform/names.h"

namespace platform {

class Library {
public:
    virtual ~Library() = default;
    // The address of an exported entry point; null when the library has none of that name.
    virtual void* entry(const std::string& name) = 0;
};

class LibraryLoader {
public:
    virtual ~LibraryLoader() = default;
    // Null when the library cannot be found or loaded.
    virtual std::unique_ptr<Library> load(const std::string& fileName) = 0;
};

// The file a library of the given base name has on this system: "SkinFeature.dll" on Windows,
// "libSkinFeature.so" elsewhere.
inline std::string libraryFileName(std::string_view base, bool windows = kWindows) {
    return windows ? std::string(base) + ".dll" : "lib" + std::string(base) + ".so";
}

// The system's loader (dlopen with its usual search).
std::unique_ptr<LibraryLoader> nativeLibraryLoader();

}  // namespace platform
