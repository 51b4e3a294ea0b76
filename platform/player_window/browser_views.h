#pragma once
// The player's browser views (WebKitGTK): one web process for all of them, no hardware
// acceleration (a clipped, composited view draws displaced), the cookies of every loaded page
// handed to the page downloads, and a view that offers what it is sent to for saving.

#include <gtk/gtk.h>

#include <functional>
#include <string>

#include "platform/player_window/player_window.h"

namespace platform::player_window {

class BrowserViews {
public:
    explicit BrowserViews(std::function<void(const net::Cookie&)> cookieSink);
    // A new view; the first one made is the one the later ones share their web process with.
    // A download view saves everything it is sent to, through a save dialog.
    GtkWidget* create(bool downloadView);
    // `address` as the player gives it (code page 1251).
    void navigate(GtkWidget* view, const std::string& address);

private:
    static void onLoadChanged(GtkWidget* view, int event, BrowserViews* self);
    void shareCookies();

    std::function<void(const net::Cookie&)> cookieSink_;
    GtkWidget* first_ = nullptr;
};

}  // namespace platform::player_window
