#include "player/art/embedded_art.h"

#include <cstddef>

#define VT_ART(n) extern "C" const unsigned char art_image_##n##_begin[], art_image_##n##_end[];
VT_ART(1) VT_ART(2) VT_ART(3) VT_ART(10) VT_ART(11) VT_ART(13) VT_ART(14) VT_ART(15) VT_ART(16)
VT_ART(17) VT_ART(18) VT_ART(19) VT_ART(25) VT_ART(27) VT_ART(28) VT_ART(240) VT_ART(360)
VT_ART(480) VT_ART(720) VT_ART(34)
#undef VT_ART

namespace player {
namespace {

struct Picture {
    int number;
    const unsigned char* begin;
    const unsigned char* end;
};

#define VT_ART(n) Picture{n, art_image_##n##_begin, art_image_##n##_end}
const Picture kPictures[] = {
    VT_ART(1),  VT_ART(2),  VT_ART(3),  VT_ART(10),  VT_ART(11),  VT_ART(13),  VT_ART(14),
    VT_ART(15), VT_ART(16), VT_ART(17), VT_ART(18),  VT_ART(19),  VT_ART(25),  VT_ART(27),
    VT_ART(28), VT_ART(240), VT_ART(360), VT_ART(480), VT_ART(720), VT_ART(34),
};
#undef VT_ART

}  // namespace

std::span<const unsigned char> embeddedPicture(int imageNumber) {
    for (const Picture& p : kPictures) {
        if (p.number == imageNumber) {
            return {p.begin, static_cast<std::size_t>(p.end - p.begin)};
        }
    }
    return {};
}

}  // namespace player
