#include "platform/native.h"
#include "player/web/catalogue.h"

namespace web {

std::unique_ptr<player::WebCatalogue> makeNativeWebCatalogue(player::PlayerState& state, player::MainList& list,
                                                             player::Views& views, player::UiThread& ui,
                                                             platform::Audio& audio) {
    // One downloader for the life of the process: it only holds the cookie store's address.
    static const auto downloader = platform::net::makeCurlDownloader(platform::net::processCookieStore());
    platform::System& system = platform::nativeSystem();
    return makeWebCatalogue(WebPorts{state, list, views, ui, audio, platform::nativeFiles(), system, *downloader,
                                     platform::net::nativeTcpConnector(), configFromEnvironment(system)});
}

}  // namespace web
