#pragma once
// The web addresses the event loop builds. Inserted texts go in unchanged, unescaped.

#include <string>

#include "player/ports/web_catalogue.h"

namespace player {

inline std::string audioSearchUrl(const Hosts& hosts, const std::string& text) {
    return "http://" + hosts.web + "/gsearch.php?section=audio&q=" + text + "&name=1";
}
inline std::string videoSearchUrl(const Hosts& hosts, const std::string& text) {
    return "http://" + hosts.web + "/gsearch.php?section=video&q=" + text + "&name=1";
}
inline std::string genrePageUrl(const Hosts& hosts, const std::string& genre) {
    return "http://" + hosts.directory + "/by_genre/" + genre;
}
inline std::string stationPageUrl(const Hosts& hosts, const std::string& link) {
    return "http://" + hosts.directory + link;
}

}  // namespace player
