#pragma once
// The installer file: the stub program, the archive, and the archive's length as a 32-bit
// little-endian number.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace sfx {

std::string archiveLengthTrailer(uint32_t length);

// Writes stub, archive and trailer in one pass. A failed write or close removes the partial
// file, so a truncated installer is never left behind; false then.
bool writeInstaller(platform::Files& files, const std::string& outputPath, std::string_view stubImage,
                    std::string_view archive);

}  // namespace sfx
