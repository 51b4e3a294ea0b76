#pragma once
// The audio search: the result page is fetched into "audio.txt" and every result becomes a row
// of the main list, with its MP3 address in trackUrls and its title in trackTitles.

#include <string>
#include <string_view>

#include "player/web/web_ports.h"

namespace web {

void searchAudio(WebPorts& ports, const std::string& url);

// The parse of a fetched result page: fills the tables from index 0 and appends the rows.
void parseAudioResults(player::PlayerState& state, player::MainList& list, const WebConfig& config,
                       std::string_view page);

}  // namespace web
