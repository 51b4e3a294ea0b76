#pragma once
// Where the web features go and with which account: built-in defaults, each host overridable
// from the environment so that tests and demonstrations run against local servers.
//
//   VT90_LOGIN_HOST      the social network's login host          (login.vk.com)
//   VT90_WEB_HOST        its web host                             (vk.com)
//   VT90_AUDIO_MEDIA     media host of an audio server number N   (cs*.vk.com, "*" stands for N)
//   VT90_VIDEO_MEDIA     media host of a video server label       (*.vk.com, "*" stands for the label)
//   VT90_IMAGE_HOST      the picture search host                  (yandex.ru)
//   VT90_DIRECTORY_HOST  the radio directory host                 (dir.xiph.org)
//
// A host may carry a ":port".

#include <string>

#include "platform/system.h"
#include "player/ports/web_catalogue.h"

namespace web {

struct WebConfig {
    player::Hosts hosts{"login.vk.com", "vk.com", "yandex.ru", "dir.xiph.org"};
    std::string audioMediaHost = "cs*.vk.com";
    std::string videoMediaHost = "*.vk.com";
    // The built-in account. A placeholder: the program has no real one.
    std::string email = "player@example.invalid";
    std::string password = "000000";
};

WebConfig configFromEnvironment(platform::System& system);

// The host pattern with its "*" replaced by label (the pattern itself when it has none).
std::string mediaHost(const std::string& pattern, const std::string& label);

// The addresses, texts inserted exactly as given: no encoding of any kind.
std::string loginUrl(const WebConfig& config);
std::string audioSearchUrl(const WebConfig& config, const std::string& searchText);
std::string videoSearchUrl(const WebConfig& config, const std::string& searchText);
std::string audioMediaUrl(const WebConfig& config, const std::string& server, const std::string& user,
                          const std::string& id);
std::string videoPageUrl(const WebConfig& config, const std::string& link);
std::string genrePageUrl(const WebConfig& config, const std::string& genre);
std::string stationEntryUrl(const WebConfig& config, const std::string& link);
std::string imageSearchUrl(const WebConfig& config, const std::string& text);

}  // namespace web
