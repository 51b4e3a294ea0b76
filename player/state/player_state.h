#pragma once
// The player's state: one set of values owned by the user-interface thread. Names, types and
// start values are the player's own data model; everything not set here starts at 0 or empty.

#include <array>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "platform/audio.h"

namespace player {

struct PlaylistEntry {
    std::string title;
    std::string url;
};

inline constexpr int kTrackSlots = 112;    // trackUrls, trackTitles: indices 0..111
inline constexpr int kStationSlots = 92;   // stationLinks: 0..91
inline constexpr int kVideoSlots = 52;     // videoLinks, videoTitles, videoThumbs: 0..51

struct PlayerState {
    platform::StreamHandle streamHandle = 0;
    float volume = 0.5f;
    int volumeKnob = 30;
    int trackLength = 0;

    int autoAdvance = 0;
    int localMode = 0;
    int radioMode = 0;
    int stationsShown = 0;
    int playlistMode = 0;
    int videoMode = 0;
    int paused = 0;
    int listExpanded = 0;
    int buttonLit = 0;
    int skinLoaded = 0;

    int currentRow = 0;
    int clickedRow = 0;

    std::string currentTitle;
    std::string currentGenre;
    std::string localPath;
    std::string searchText;
    std::string requestUrl;
    std::string playlistUrl;
    std::string videoLink;
    std::string videoFileUrl;
    std::string thumbUrl;

    // The thumbnail worker: at most one runs; `thumbWorkerRunning` is cleared by the worker itself
    // when it ends, so the user-interface thread can tell "running" from "finished".
    std::thread thumbWorker;
    std::atomic<bool> thumbWorkerRunning{false};

    // Result tables: created empty, overwritten from index 0 by each search, never cleared.
    std::array<std::string, kTrackSlots> trackUrls;
    std::array<std::string, kTrackSlots> trackTitles;
    std::array<std::string, kStationSlots> stationLinks;
    std::array<std::string, kVideoSlots> videoLinks;
    std::array<std::string, kVideoSlots> videoTitles;
    std::array<std::string, kVideoSlots> videoThumbs;

    std::vector<PlaylistEntry> playlistEntries;

    ~PlayerState() {
        if (thumbWorker.joinable())
            thumbWorker.join();
    }
};

}  // namespace player
