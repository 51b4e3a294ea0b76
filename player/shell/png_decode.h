#pragma once
// PNG pictures held in memory (the pictures carried in the program).

#include <optional>
#include <string_view>

#include "common/picture.h"

namespace player {

// Nothing when the bytes are not a PNG picture libpng can read.
std::optional<common::Picture> decodePng(std::string_view bytes);

}  // namespace player
