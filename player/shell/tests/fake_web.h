#pragma once
// The web catalogue as a script: each operation logs its call and fills the list and the result
// tables with the rows the test gave it.

#include <string>
#include <utility>
#include <vector>

#include "platform/audio.h"
#include "player/ports/main_list.h"
#include "player/ports/web_catalogue.h"
#include "player/state/player_state.h"

namespace player::test {

struct Result {
    Result(std::string t, std::string l, std::string th = {})
        : title(std::move(t)), link(std::move(l)), thumb(std::move(th)) {}
    std::string title;
    std::string link;   // track URL, station link or video link
    std::string thumb;  // video results
};

class FakeWeb final : public WebCatalogue {
public:
    FakeWeb(PlayerState& state, MainList& list, platform::Audio& audio)
        : state_(state), list_(list), audio_(audio) {}

    Hosts hostNames{"login.test", "web.test", "images.test", "dir.test"};
    std::vector<Result> audioResults, videoResults, stations;
    std::vector<std::string> genres;
    std::vector<std::string> calls;
    bool workerRunning = false;

    const Hosts& hosts() const override { return hostNames; }
    std::string loginUrl() const override { return "http://login.test/login"; }

    void searchAudio(const std::string& url) override {
        calls.push_back("searchAudio " + url);
        fill(audioResults, [&](size_t i, const Result& r) {
            state_.trackUrls[i] = r.link;
            state_.trackTitles[i] = r.title;
        });
    }
    void searchVideo(const std::string& url) override {
        calls.push_back("searchVideo " + url);
        fill(videoResults, [&](size_t i, const Result& r) {
            state_.videoLinks[i] = r.link;
            state_.videoTitles[i] = r.title;
            state_.videoThumbs[i] = r.thumb;
        });
    }
    void openVideoPage(const std::string& link) override { calls.push_back("openVideoPage " + link); }
    void buildVideoLink(const std::string& link, const std::string& quality) override {
        calls.push_back("buildVideoLink " + link + " " + quality);
        state_.videoFileUrl = link + "/" + quality + ".mp4";
    }
    void listGenres() override {
        calls.push_back("listGenres");
        list_.clear();
        for (const auto& g : genres)
            list_.addRow(g);
    }
    void listStations(const std::string& url) override {
        calls.push_back("listStations " + url);
        fill(stations, [&](size_t i, const Result& r) { state_.stationLinks[i] = r.link; });
    }
    void playStation(const std::string& url) override {
        calls.push_back("playStation " + url);
        audio_.streamFree(state_.streamHandle);
        state_.streamHandle = audio_.streamCreateUrl("station:" + url);
        audio_.channelPlay(state_.streamHandle, false);
    }
    void searchPictures(const std::string& text) override { calls.push_back("searchPictures " + text); }
    bool startThumbnailWorker(const std::string& url) override {
        calls.push_back("thumbnail " + url);
        return !workerRunning;
    }

private:
    template <typename Store>
    void fill(const std::vector<Result>& results, Store store) {
        list_.clear();
        for (size_t i = 0; i < results.size(); ++i) {
            store(i, results[i]);
            list_.addRow(results[i].title + "\n3:00");
        }
    }
    PlayerState& state_;
    MainList& list_;
    platform::Audio& audio_;
};

}  // namespace player::test
