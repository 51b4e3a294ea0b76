#pragma once
// Everything the player's routines work on: the state, the window, the audio back-end, the web
// catalogue, the file system, the pictures and the drawing surfaces. One instance per run,
// owned by start-up; every routine of the shell takes it.

#include <map>
#include <memory>

#include "common/picture.h"
#include "platform/audio.h"
#include "platform/files.h"
#include "platform/system.h"
#include "player/ports/main_list.h"
#include "player/ports/ui_port.h"
#include "player/ports/web_catalogue.h"
#include "player/shell/surface.h"
#include "player/state/player_state.h"

namespace player {

struct DisplaySurfaces {
    Surface bar{10, 29};        // image 6
    Surface title{400, 14};     // image 7
    Surface time{40, 12};       // image 9
    Surface volume{73, 5};      // image 20
    Surface percent{30, 12};    // image 21
    Surface position{442, 1};   // image 31
};

struct Shell {
    PlayerState& state;
    UiPort& ui;
    platform::Audio& audio;
    WebCatalogue& web;
    platform::Files& files;
    platform::System& system;
    MainList& list;

    // Decoded pictures by image number (the embedded ones and image 36 when it loaded).
    std::map<int, common::Picture> images;
    std::unique_ptr<DisplaySurfaces> surfaces = std::make_unique<DisplaySurfaces>();
    // The skin library's unload entry, kept from start to exit.
    void (*unloadSkin)() = nullptr;

    const common::Picture* image(int number) const {
        auto it = images.find(number);
        return it == images.end() ? nullptr : &it->second;
    }
};

}  // namespace player
