#include "platform/image/jpeg.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>

namespace platform::image {
namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    bool truncated = false;
};

[[noreturn]] void onError(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    std::longjmp(errors->jump, 1);
}

void onMessage(j_common_ptr info, int level) {
    // A truncated stream is only a warning to libjpeg, which fills the rest grey; other warnings
    // (stray bytes before a marker and the like) are common in pictures that show fine.
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF)
        reinterpret_cast<ErrorManager*>(info->err)->truncated = true;
}

}  // namespace

std::optional<common::Picture> decodeJpeg(std::string_view bytes) {
    if (bytes.size() < 4)
        return std::nullopt;
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onError;
    errors.base.emit_message = onMessage;
    // Everything that must be released after a jump lives outside the jump's scope.
    common::Picture picture;
    std::vector<JSAMPLE> row;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return std::nullopt;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK ||
        static_cast<long long>(info.image_width) * info.image_height > kMaxJpegPixels) {
        jpeg_destroy_decompress(&info);
        return std::nullopt;
    }
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&info);
    const int channels = info.output_components;
    picture.width = static_cast<int>(info.output_width);
    picture.height = static_cast<int>(info.output_height);
    picture.rgba.assign(static_cast<size_t>(picture.width) * picture.height * 4, 255);
    row.resize(static_cast<size_t>(picture.width) * channels);
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[1] = {row.data()};
        const int y = static_cast<int>(info.output_scanline);
        if (jpeg_read_scanlines(&info, rows, 1) != 1)
            break;
        uint8_t* out = picture.pixel(0, y);
        for (int x = 0; x < picture.width; ++x, out += 4) {
            const JSAMPLE* in = &row[static_cast<size_t>(x) * channels];
            if (cmyk) {
                // Adobe writes inverted CMYK: the samples are already 255 - ink.
                out[0] = static_cast<uint8_t>(in[0] * in[3] / 255);
                out[1] = static_cast<uint8_t>(in[1] * in[3] / 255);
                out[2] = static_cast<uint8_t>(in[2] * in[3] / 255);
            } else {
                out[0] = in[0];
                out[1] = in[1];
                out[2] = in[2];
            }
        }
    }
    const bool complete = info.output_scanline == info.output_height;
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    if (!complete || errors.truncated)
        return std::nullopt;
    return picture;
}

}  // namespace platform::image
