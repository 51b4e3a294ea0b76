#pragma once
// PNG pictures held in memory: the pictures the programs carry in their data.

#include <optional>
#include <string_view>

#include "common/picture.h"

namespace platform::image {

// Any PNG libpng reads, as 8-bit RGBA; nothing when the bytes are not one, or when the header
// claims more than 16384 pixels a side (no picture of these programs comes near that).
std::optional<common::Picture> decodePng(std::string_view bytes);

}  // namespace platform::image
