#pragma once
// Decoding the builder's 24-bit BMP banner (the installer's PNG picture goes through
// platform/image/png.h).

#include <string_view>

#include "common/picture.h"

namespace sfx::art {

// An uncompressed 24-bit Windows bitmap; an empty picture for anything else.
common::Picture decodeBmp(std::string_view bytes);

}  // namespace sfx::art
