// VT-90: the player's window on GTK, its audio back-end, its web catalogue over libcurl and the
// browser views, the files of this machine; start-up, then the event loop until the quit button.

#include <iostream>

#include "platform/audio/native_audio.h"
#include "platform/image/jpeg.h"
#include "platform/library/library.h"
#include "platform/native.h"
#include "platform/net/cookie_store.h"
#include "platform/player_window/player_window.h"
#include "player/art/embedded_art.h"
#include "player/shell/event_loop.h"
#include "platform/image/png.h"
#include "player/shell/startup.h"
#include "player/shell/ui_adapters.h"
#include "player/web/catalogue.h"
#include "player/web/genre_list.h"

namespace {

// The browser views' cookies go into the store that page downloads send.
void keepCookie(const platform::net::Cookie& cookie) { platform::net::processCookieStore().add(cookie); }

std::optional<common::Picture> loadPictureFile(const std::string& path) {
    const auto bytes = platform::nativeFiles().readFile(path);
    if (!bytes)
        return std::nullopt;
    if (auto jpeg = platform::image::decodeJpeg(*bytes))
        return jpeg;
    return platform::image::decodePng(*bytes);
}

}  // namespace

int main() {
    auto window = platform::player_window::makePlayerWindow({keepCookie});
    if (!window) {
        std::cerr << "VT-90: no display to show the player on (is DISPLAY set?)\n";
        return 1;
    }
    player::UiPort& ui = *window;
    player::PlayerState state;
    platform::Audio& audio = platform::nativeAudio();
    player::ControlMainList list(ui);
    player::ControlViews views(ui);
    player::WindowUiThread uiThread(ui);
    const auto web = web::makeNativeWebCatalogue(state, list, views, uiThread, audio);

    player::Shell shell{.state = state,
                        .ui = ui,
                        .audio = audio,
                        .web = *web,
                        .files = platform::nativeFiles(),
                        .system = platform::nativeSystem(),
                        .list = list,
                        .images = {},
                        .surfaces = std::make_unique<player::DisplaySurfaces>(),
                        .unloadSkin = nullptr};
    const auto libraries = platform::nativeLibraryLoader();
    player::StartupData data;
    data.genreList = [] { return web::kGenreList; };
    for (int number : player::kEmbeddedPictureNumbers) {
        const auto bytes = player::embeddedPicture(number);
        data.pictures[number] = {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
    }
    data.loadPictureFile = loadPictureFile;
    data.libraryLoader = libraries.get();
    if (!player::startUp(shell, data, std::cerr))
        return 1;
    return player::runEventLoop(shell);
}
