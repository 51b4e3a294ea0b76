// kestrel-stub: the installer's wizard. Its own file carries the archive it installs.

#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <thread>

#include "platform/native.h"
#include "platform/image/png.h"
#include "sfx/stub/wizard.h"
#include "sfx/stub/wizard_texts.h"

extern "C" const unsigned char wizard_picture_begin[], wizard_picture_end[];

int main() {
    const common::Picture picture = platform::image::decodePng(std::string_view(
        reinterpret_cast<const char*>(wizard_picture_begin), static_cast<size_t>(wizard_picture_end - wizard_picture_begin))).value_or(common::Picture{});

    platform::WindowLayout layout;
    layout.caption = sfx::stub::kCaption;
    layout.clientWidth = 510;
    layout.clientHeight = 300;
    layout.centred = true;
    auto window = platform::nativeWindow(layout);
    if (!window) {
        std::fprintf(stderr, "kestrel-stub: no display\n");
        return 0;
    }
    sfx::stub::Wizard wizard(*window, platform::nativeFiles(), platform::nativeSystem(), platform::nativeDialogs(),
                             [](std::function<void()> worker) { std::thread(std::move(worker)).detach(); });
    wizard.run(picture);
    // The worker may still be writing (the user cancelled): the program ends here all the same,
    // leaving what was extracted so far.
    std::fflush(nullptr);
    std::_Exit(0);
}
