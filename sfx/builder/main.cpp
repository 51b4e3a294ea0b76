// Kestrel: packs a folder into a self-extracting installer.

#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <thread>

#include "platform/native.h"
#include "sfx/art/art_decode.h"
#include "sfx/builder/build_procedure.h"
#include "sfx/builder/builder_texts.h"

extern "C" const unsigned char kestrel_stub_begin[], kestrel_stub_end[];
extern "C" const unsigned char kestrel_banner_begin[], kestrel_banner_end[];

namespace {
std::string_view bytes(const unsigned char* begin, const unsigned char* end) {
    return {reinterpret_cast<const char*>(begin), static_cast<size_t>(end - begin)};
}
}  // namespace

int main() {
    platform::WindowLayout layout;
    layout.caption = sfx::builder::kCaption;
    layout.clientWidth = 253;
    layout.clientHeight = 161;
    layout.x = 405;
    layout.y = 334;
    layout.closeBox = false;
    layout.minimiseBox = false;
    auto window = platform::nativeWindow(layout);
    if (!window) {
        std::fprintf(stderr, "Kestrel: no display\n");
        return 0;
    }
    sfx::builder::Builder builder(*window, platform::nativeFiles(), platform::nativeSystem(),
                                  platform::nativeDialogs(), bytes(kestrel_stub_begin, kestrel_stub_end),
                                  [](std::function<void()> worker) { std::thread(std::move(worker)).detach(); });
    builder.run(sfx::art::decodeBmp(bytes(kestrel_banner_begin, kestrel_banner_end)));
    std::fflush(nullptr);
    std::_Exit(0);
}
