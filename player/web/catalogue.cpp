#include "player/web/catalogue.h"

#include "player/web/audio_search.h"
#include "player/web/picture_search.h"
#include "player/web/radio.h"
#include "player/web/thumbnail.h"
#include "player/web/video_page.h"
#include "player/web/video_search.h"

namespace web {
namespace {

class Catalogue final : public player::WebCatalogue {
public:
    explicit Catalogue(const WebPorts& ports) : ports_(ports) {}
    ~Catalogue() override { joinThumbnailWorker(ports_.state); }

    const player::Hosts& hosts() const override { return ports_.config.hosts; }
    std::string loginUrl() const override { return web::loginUrl(ports_.config); }

    void searchAudio(const std::string& url) override { web::searchAudio(ports_, url); }
    void searchVideo(const std::string& url) override { web::searchVideo(ports_, url); }
    void openVideoPage(const std::string& link) override { web::openVideoPage(ports_, link); }
    void buildVideoLink(const std::string& link, const std::string& quality) override {
        web::buildVideoLink(ports_, link, quality);
    }
    void listGenres() override { web::listGenres(ports_); }
    void listStations(const std::string& url) override { web::listStations(ports_, url); }
    void playStation(const std::string& url) override { web::playStation(ports_, url); }
    void searchPictures(const std::string& text) override { web::searchPictures(ports_, text); }
    bool startThumbnailWorker(const std::string& url) override { return web::startThumbnailWorker(ports_, url); }

private:
    WebPorts ports_;
};

}  // namespace

std::unique_ptr<player::WebCatalogue> makeWebCatalogue(const WebPorts& ports) {
    return std::make_unique<Catalogue>(ports);
}

}  // namespace web
