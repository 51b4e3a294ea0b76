#include "sfx/art/art_decode.h"

#include <cstdint>

namespace sfx::art {
namespace {

uint32_t le(std::string_view b, size_t at, int n) {
    uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(b[at + static_cast<size_t>(i)]);
    return v;
}

}  // namespace

common::Picture decodeBmp(std::string_view b) {
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M' || le(b, 28, 2) != 24 || le(b, 30, 4) != 0)
        return {};
    const int32_t width = static_cast<int32_t>(le(b, 18, 4));
    const int32_t rawHeight = static_cast<int32_t>(le(b, 22, 4));
    const int32_t height = rawHeight < 0 ? -rawHeight : rawHeight;
    const uint32_t offset = le(b, 10, 4);
    if (width <= 0 || height <= 0 || width > 16384 || height > 16384)
        return {};
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t(3);
    if (offset > b.size() || b.size() - offset < stride * static_cast<size_t>(height))
        return {};
    common::Picture p = common::Picture::blank(width, height);
    for (int y = 0; y < height; ++y) {
        const int row = rawHeight > 0 ? height - 1 - y : y;  // bottom-up unless the height is negative
        const char* src = b.data() + offset + stride * static_cast<size_t>(row);
        for (int x = 0; x < width; ++x) {
            uint8_t* px = p.pixel(x, y);
            px[0] = static_cast<uint8_t>(src[x * 3 + 2]);
            px[1] = static_cast<uint8_t>(src[x * 3 + 1]);
            px[2] = static_cast<uint8_t>(src[x * 3]);
            px[3] = 255;
        }
    }
    return p;
}

}  // namespace sfx::art
