#pragma once
// The player's main window on GTK 3, with its browser views on WebKitGTK: the one
// implementation of the player's window port on this system.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "player/ports/ui_port.h"

namespace platform::player_window {

// A cookie as the browser views hold it, handed on so that page downloads carry it too.
struct BrowserCookie {
    std::string domain;  // without a leading dot
    bool includeSubdomains = false;
    std::string path = "/";
    bool secure = false;
    bool httpOnly = false;
    int64_t expires = 0;  // seconds since 1970; 0 for a session cookie
    std::string name;
    std::string value;
};

struct WindowOptions {
    // Called on the user-interface thread with every cookie of the views after each page load.
    std::function<void(const BrowserCookie&)> cookieSink;
};

// Null when no display can be opened.
std::unique_ptr<player::UiPort> makePlayerWindow(WindowOptions options = {});

}  // namespace platform::player_window
