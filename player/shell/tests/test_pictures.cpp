#include "test_pictures.h"

#include <png.h>

#include <cstring>
#include <stdexcept>

namespace player::test {

common::Picture solidPicture(int width, int height, int r, int g, int b, int a) {
    common::Picture p;
    p.width = width;
    p.height = height;
    p.rgba.resize(static_cast<size_t>(width) * height * 4);
    for (size_t i = 0; i < p.rgba.size(); i += 4) {
        p.rgba[i] = static_cast<uint8_t>(r);
        p.rgba[i + 1] = static_cast<uint8_t>(g);
        p.rgba[i + 2] = static_cast<uint8_t>(b);
        p.rgba[i + 3] = static_cast<uint8_t>(a);
    }
    return p;
}

std::string encodePng(const common::Picture& picture) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(picture.width);
    image.height = static_cast<png_uint_32>(picture.height);
    image.format = PNG_FORMAT_RGBA;
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, picture.rgba.data(), 0, nullptr))
        throw std::runtime_error("png size");
    std::string out(size, '\0');
    if (!png_image_write_to_memory(&image, out.data(), &size, 0, picture.rgba.data(), 0, nullptr))
        throw std::runtime_error("png write");
    out.resize(size);
    return out;
}

const std::map<int, std::string>& embeddedPngs() {
    static const std::map<int, std::string> pngs = [] {
        const std::map<int, std::pair<int, int>> sizes = {
            {1, {1183, 560}}, {2, {14, 14}},  {3, {14, 14}},  {10, {33, 18}},  {11, {36, 15}},
            {13, {23, 18}},   {14, {24, 18}}, {15, {24, 18}}, {16, {27, 18}},  {17, {27, 18}},
            {18, {73, 5}},    {19, {12, 5}},  {25, {54, 18}}, {27, {36, 15}},  {28, {36, 15}},
            {240, {31, 18}},  {360, {31, 18}}, {480, {31, 18}}, {720, {31, 18}}, {34, {31, 18}}};
        std::map<int, std::string> out;
        for (const auto& [number, size] : sizes)
            out[number] = encodePng(solidPicture(size.first, size.second, number % 256, 7, 200,
                                                 number == 19 ? 128 : 255));
        return out;
    }();
    return pngs;
}

std::map<int, std::string_view> embeddedPngSpans() {
    std::map<int, std::string_view> spans;
    for (const auto& [number, bytes] : embeddedPngs())
        spans[number] = bytes;
    return spans;
}

}  // namespace player::test
