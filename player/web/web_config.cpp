#include "player/web/web_config.h"

namespace web {

WebConfig configFromEnvironment(platform::System& system) {
    WebConfig config;
    auto take = [&](const char* name, std::string& value) {
        if (auto v = system.environment(name); v && !v->empty())
            value = *v;
    };
    take("VT90_LOGIN_HOST", config.hosts.login);
    take("VT90_WEB_HOST", config.hosts.web);
    take("VT90_IMAGE_HOST", config.hosts.imageSearch);
    take("VT90_DIRECTORY_HOST", config.hosts.directory);
    take("VT90_AUDIO_MEDIA", config.audioMediaHost);
    take("VT90_VIDEO_MEDIA", config.videoMediaHost);
    return config;
}

std::string mediaHost(const std::string& pattern, const std::string& label) {
    const size_t star = pattern.find('*');
    if (star == std::string::npos)
        return pattern;
    return pattern.substr(0, star) + label + pattern.substr(star + 1);
}

std::string loginUrl(const WebConfig& config) {
    return "http://" + config.hosts.login + "/?act=login&email=" + config.email + "&pass=" + config.password +
           "&expire=&vk =";
}

std::string audioSearchUrl(const WebConfig& config, const std::string& searchText) {
    return "http://" + config.hosts.web + "/gsearch.php?section=audio&q=" + searchText + "&name=1";
}

std::string videoSearchUrl(const WebConfig& config, const std::string& searchText) {
    return "http://" + config.hosts.web + "/gsearch.php?section=video&q=" + searchText + "&name=1";
}

std::string audioMediaUrl(const WebConfig& config, const std::string& server, const std::string& user,
                          const std::string& id) {
    return "http://" + mediaHost(config.audioMediaHost, server) + "/u" + user + "/audio/" + id + ".mp3";
}

std::string videoPageUrl(const WebConfig& config, const std::string& link) {
    return "http://" + config.hosts.web + "/" + link;
}

std::string genrePageUrl(const WebConfig& config, const std::string& genre) {
    return "http://" + config.hosts.directory + "/by_genre/" + genre;
}

std::string stationEntryUrl(const WebConfig& config, const std::string& link) {
    return "http://" + config.hosts.directory + link;
}

std::string imageSearchUrl(const WebConfig& config, const std::string& text) {
    return "http://" + config.hosts.imageSearch + "/yandsearch?text=" + text + "&rpt=image";
}

}  // namespace web
