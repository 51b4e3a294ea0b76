#pragma once
// Small generated PNG pictures with the sizes of the program's own, for start-up in tests.

#include <map>
#include <string>
#include <string_view>

#include "common/picture.h"

namespace player::test {

// A picture of one colour; alpha as given.
common::Picture solidPicture(int width, int height, int r, int g, int b, int a = 255);
std::string encodePng(const common::Picture& picture);
// The twenty pictures as PNG bytes, by image number; each of its own colour (red channel =
// image number modulo 256, green = 7, blue = 200); the volume knob (19) half transparent.
const std::map<int, std::string>& embeddedPngs();
std::map<int, std::string_view> embeddedPngSpans();

}  // namespace player::test
