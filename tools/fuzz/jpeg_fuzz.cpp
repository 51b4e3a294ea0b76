// JPEG decoding and the scaling of whatever decodes.
#include "platform/image/jpeg.h"
#include "platform/image/resample.h"
#include "player/web/picture_search.h"
#include "tools/fuzz/fuzz_rig.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto picture = platform::image::decodeJpeg(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!picture)
        return 0;
    fuzz::require(picture->rgba.size() == static_cast<size_t>(picture->width) * picture->height * 4);
    // keep the fuzzer fast: scale small pictures only
    if (static_cast<long long>(picture->width) * picture->height <= 1 << 20) {
        const auto size2 = web::pictureViewSize(picture->width, picture->height);
        if (size2.width > 0 && size2.height > 0)
            fuzz::require(platform::image::resample(*picture, size2.width, size2.height).width == size2.width);
    }
    return 0;
}
