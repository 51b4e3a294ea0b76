#pragma once
// The player's pictures, carried in the program as PNG files and decoded at start.

#include <array>
#include <span>

namespace player {

// Every embedded picture's number, in the order the player decodes them at start.
inline constexpr std::array<int, 20> kEmbeddedPictureNumbers = {
    1, 2, 3, 10, 11, 13, 14, 15, 16, 17, 18, 19, 25, 27, 28, 240, 360, 480, 720, 34};

// The PNG bytes of picture `imageNumber`; an empty span for a number that has no picture.
std::span<const unsigned char> embeddedPicture(int imageNumber);

}  // namespace player
