#pragma once
// The web catalogue as the event loop calls it. Each operation runs synchronously on the
// user-interface thread (but the thumbnail worker), fills the main list, the result tables of
// the player state and the views, and returns; failures leave things empty or unchanged.

#include <string>

namespace player {

// Host names (with an optional ":port"), built in and overridable from the environment.
struct Hosts {
    std::string login;        // the social network's login host
    std::string web;          // its web host
    std::string imageSearch;  // the picture search host
    std::string directory;    // the radio directory host
};

class WebCatalogue {
public:
    virtual ~WebCatalogue() = default;

    virtual const Hosts& hosts() const = 0;
    // The login address given to the hidden browser view at start-up.
    virtual std::string loginUrl() const = 0;

    virtual void searchAudio(const std::string& url) = 0;
    virtual void searchVideo(const std::string& url) = 0;
    virtual void openVideoPage(const std::string& link) = 0;
    // Sets videoFileUrl of the player state.
    virtual void buildVideoLink(const std::string& link, const std::string& quality) = 0;
    virtual void listGenres() = 0;
    virtual void listStations(const std::string& url) = 0;
    virtual void playStation(const std::string& url) = 0;
    virtual void searchPictures(const std::string& text) = 0;
    // Starts fetchThumbnail(url) on the thumbnail worker unless one is running; false when one was.
    virtual bool startThumbnailWorker(const std::string& url) = 0;
};

}  // namespace player
