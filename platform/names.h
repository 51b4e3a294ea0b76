#pragma once
// The platform's conventions for names, each kept in one place: the separator, the executable
// suffix and the joins that depend on them.

#include <string>
#include <string_view>

namespace platform {

#ifdef _WIN32
inline constexpr bool kWindows = true;
inline constexpr char kPathSeparator = '\\';
inline constexpr std::string_view kExecutableSuffix = ".exe";
#else
inline constexpr bool kWindows = false;
inline constexpr char kPathSeparator = '/';
inline constexpr std::string_view kExecutableSuffix = "";
#endif

// "VT-90" on Linux, "VT-90.exe" on Windows.
inline std::string executableName(std::string_view base) {
    return std::string(base) + std::string(kExecutableSuffix);
}

// Where the system looks for "the last backslash or slash", both count on every platform.
inline bool isSeparator(char c) { return c == '/' || c == '\\'; }

inline std::string withTrailingSeparator(std::string path) {
    if (path.empty() || !isSeparator(path.back()))
        path += kPathSeparator;
    return path;
}

// Everything behind the last backslash or slash (the whole text when there is none).
inline std::string fileNamePart(std::string_view path) {
    const size_t cut = path.find_last_of("/\\");
    return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

// Everything up to and including the last backslash or slash (empty when there is none).
inline std::string folderPart(std::string_view path) {
    const size_t cut = path.find_last_of("/\\");
    return cut == std::string_view::npos ? std::string() : std::string(path.substr(0, cut + 1));
}

}  // namespace platform
