#pragma once
// Encodes test pictures as JPEG files (libjpeg), so decoding is tested on real files.

#include <cstdio>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace webtest {

// A width x height picture of one colour, or of stripes when stripes is set.
inline std::string encodeJpeg(int width, int height, unsigned char r, unsigned char g, unsigned char b,
                              bool stripes = false) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<size_t>(width) * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool dark = stripes && (x / 8) % 2 == 1;
            row[x * 3 + 0] = dark ? 0 : r;
            row[x * 3 + 1] = dark ? 0 : g;
            row[x * 3 + 2] = dark ? 0 : b;
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    std::string out(reinterpret_cast<char*>(buffer), size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return out;
}

}  // namespace webtest
