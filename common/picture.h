#pragma once
// A decoded picture: 8-bit RGBA, straight (not premultiplied) alpha, rows top to bottom,
// no padding. The one picture type that decoders, drawing surfaces and windows exchange.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace common {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;  // width * height * 4 bytes

    bool empty() const { return width <= 0 || height <= 0; }
    uint8_t* pixel(int x, int y) { return &rgba[(static_cast<size_t>(y) * width + x) * 4]; }
    const uint8_t* pixel(int x, int y) const { return &rgba[(static_cast<size_t>(y) * width + x) * 4]; }

    static Picture blank(int width, int height) {
        Picture p;
        p.width = width;
        p.height = height;
        p.rgba.assign(static_cast<size_t>(width) * height * 4, 0);
        for (size_t i = 3; i < p.rgba.size(); i += 4)
            p.rgba[i] = 255;  // opaque black, as a new 24-bit image
        return p;
    }
};

}  // namespace common
