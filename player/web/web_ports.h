#pragma once
// Everything the web features reach outside themselves, handed in as one bundle so that the
// same code runs against the window and the network or against fakes in tests.

#include "platform/audio.h"
#include "platform/files.h"
#include "platform/net/downloader.h"
#include "platform/net/tcp.h"
#include "platform/system.h"
#include "player/ports/main_list.h"
#include "player/ports/ui_thread.h"
#include "player/ports/views.h"
#include "player/state/player_state.h"
#include "player/web/web_config.h"

namespace web {

// Control numbers the web features write.
inline constexpr int kMainList = 12;
inline constexpr int kVideoView = 33;
inline constexpr int kDownloadView = 35;
inline constexpr int kThumbnailView = 36;
inline constexpr int kThumbnailLabel = 37;
inline constexpr int kPictureView = 38;

struct WebPorts {
    player::PlayerState& state;
    player::MainList& list;
    player::Views& views;
    player::UiThread& ui;
    platform::Audio& audio;
    platform::Files& files;
    platform::System& system;
    platform::net::Downloader& downloader;
    platform::net::TcpConnector& connector;
    WebConfig config;
};

}  // namespace web
