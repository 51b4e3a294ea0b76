#pragma once
// The player's main window on GTK 3, with its browser views on WebKitGTK: the one
// implementation of the player's window port on this system.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/net/cookie_store.h"
#include "player/ports/ui_port.h"

namespace platform::player_window {

struct WindowOptions {
    // Called on the user-interface thread with every cookie of the views after each page load.
    std::function<void(const net::Cookie&)> cookieSink;
};

// Null when no display can be opened.
std::unique_ptr<player::UiPort> makePlayerWindow(WindowOptions options = {});

}  // namespace platform::player_window
