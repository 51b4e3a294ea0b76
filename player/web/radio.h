#pragma once
// The internet radio directory: genres from the built-in list, the stations of a genre from its
// directory page, and a station's stream from the first line of its entry.

#include <string>
#include <string_view>

#include "player/web/http_client.h"
#include "player/web/web_ports.h"

namespace web {

// Start-up writes the built-in genre list into the temporary folder; false when the file could
// not be written (the radio list then finds none, or an older one).
bool writeGenreList(platform::Files& files, platform::System& system);

void listGenres(WebPorts& ports);
void listStations(WebPorts& ports, const std::string& url, const ReceiveLimits& limits = {});
void playStation(WebPorts& ports, const std::string& url, const ReceiveLimits& limits = {});
std::string readStationUrl(WebPorts& ports, const std::string& url, const ReceiveLimits& limits = {});

void parseStationList(player::PlayerState& state, player::MainList& list, std::string_view page);

}  // namespace web
