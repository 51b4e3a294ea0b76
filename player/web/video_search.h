#pragma once
// The video search: the result page is fetched into "Text.txt"; every result becomes a row
// (title and information text) with its page link, title and thumbnail address in the tables.

#include <string>
#include <string_view>

#include "player/web/web_ports.h"

namespace web {

void searchVideo(WebPorts& ports, const std::string& url);

void parseVideoResults(player::PlayerState& state, player::MainList& list, std::string_view page);

}  // namespace web
