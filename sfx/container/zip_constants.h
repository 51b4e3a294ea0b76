#pragma once
// The fields by which an entry says which system made it and what its attributes are. On Linux
// the Windows attribute word is stored in the low 16 bits and the Unix mode in the high 16 bits,
// with "version made by" naming Unix, as Info-ZIP does; readers on either system understand it.

#include <cstdint>

namespace sfx {

inline constexpr uint32_t kMadeByDos = 0;
inline constexpr uint32_t kMadeByUnix = 3;
inline constexpr uint32_t kZipVersion = 20;  // 2.0: deflate and folders

inline uint32_t versionMadeBy(uint32_t unixMode) {
    return ((unixMode != 0 ? kMadeByUnix : kMadeByDos) << 8) | kZipVersion;
}

inline uint32_t externalAttributes(uint32_t windowsAttributes, uint32_t unixMode) {
    return (unixMode << 16) | (windowsAttributes & 0xFFFF);
}

// The Unix mode an entry carries, or 0 when its maker was not a Unix system.
inline uint32_t unixModeOf(uint32_t versionMadeBy, uint32_t externalAttributes) {
    return (versionMadeBy >> 8) == kMadeByUnix ? externalAttributes >> 16 : 0;
}

inline bool isSymbolicLink(uint32_t unixMode) { return (unixMode & 0170000) == 0120000; }

}  // namespace sfx
