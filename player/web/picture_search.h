#pragma once
// The picture search beside an audio search: the first JPEG address of the image search's
// answer is fetched, scaled to fit the picture view and shown there.

#include <optional>
#include <string>
#include <string_view>

#include "common/picture.h"
#include "player/web/web_ports.h"

namespace web {

void searchPictures(WebPorts& ports, const std::string& text);

// "%" and two hexadecimal digits become that byte; at a "%" without two digits behind it, or at
// an escape of the zero byte (which would end the text), the result ends. "+" stays "+".
std::string percentDecode(std::string_view text);

// The decoded address of the answer's first "img_url=" value that ends in ".jpg" (any case).
std::optional<std::string> firstJpegAddress(std::string_view answer);

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};
// The size a found picture is shown at: within 480 pixels of width and, but for nearly square
// wide pictures, 365 of height; integer division drops the remainder.
Size pictureViewSize(int width, int height);

// A JPEG file read through the file port and decoded; nothing when missing or undecodable.
std::optional<common::Picture> loadJpegFile(platform::Files& files, const std::string& path);

}  // namespace web
