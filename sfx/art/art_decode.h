#pragma once
// Decoding the pictures the programs carry: the builder's 24-bit BMP banner and the installer's
// PNG wizard picture.

#include <string_view>

#include "common/picture.h"

namespace sfx::art {

// An uncompressed 24-bit Windows bitmap; an empty picture for anything else.
common::Picture decodeBmp(std::string_view bytes);

// Any PNG libpng reads, as 8-bit RGBA; an empty picture when it is not one.
common::Picture decodePng(std::string_view bytes);

}  // namespace sfx::art
