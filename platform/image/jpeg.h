#pragma once
// JPEG pictures as the player downloads them (thumbnails, picture search results).

#include <optional>
#include <string_view>

#include <cstddef>  // common/picture.h uses size_t without including it

#include "common/picture.h"

namespace platform::image {

// Pictures larger than this many pixels are refused rather than decoded: a hostile header can
// announce 65535 x 65535 pixels (16 GB of RGBA) in a few bytes.
inline constexpr long long kMaxJpegPixels = 40LL * 1000 * 1000;

// Decodes a baseline or progressive JPEG (grey, RGB or CMYK) into an opaque RGBA picture;
// nothing when the bytes are no complete, decodable JPEG.
std::optional<common::Picture> decodeJpeg(std::string_view bytes);

}  // namespace platform::image
