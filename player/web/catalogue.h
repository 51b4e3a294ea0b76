#pragma once
// The web catalogue the event loop calls: the five web features over one bundle of ports.

#include <memory>

#include "player/ports/web_catalogue.h"
#include "player/web/web_ports.h"

namespace web {

// The catalogue over the given ports; it waits for a running thumbnail worker when destroyed.
std::unique_ptr<player::WebCatalogue> makeWebCatalogue(const WebPorts& ports);

// The real catalogue: this machine's files and environment, libcurl downloads carrying the
// process cookie store (platform::net::processCookieStore(), which the browser views fill),
// plain sockets for the radio directory, hosts from the environment.
std::unique_ptr<player::WebCatalogue> makeNativeWebCatalogue(player::PlayerState& state, player::MainList& list,
                                                             player::Views& views, player::UiThread& ui,
                                                             platform::Audio& audio);

}  // namespace web
