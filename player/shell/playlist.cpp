#include "player/shell/playlist.h"

#include "common/cp1251.h"
#include "player/shell/controls.h"
#include "player/shell/preferences.h"
#include "player/shell/transport.h"

extern "C" const unsigned char builtin_playlist_begin[], builtin_playlist_end[];

namespace player {

std::string_view builtInPlaylist() {
    return {reinterpret_cast<const char*>(builtin_playlist_begin),
            static_cast<size_t>(builtin_playlist_end - builtin_playlist_begin)};
}

std::string playlistPath(Shell& shell) { return shell.system.temporaryFolder() + "Playlist.pls"; }

void loadPlaylist(Shell& shell) {
    auto& s = shell.state;
    shell.list.clear();
    s.playlistEntries.clear();
    auto prefs = Preferences::open(shell.files, playlistPath(shell));
    if (!prefs)
        return;
    prefs->selectGroup(common::cp1251("Мой плейлист"));
    for (int n = 0;; ++n) {
        std::string url = prefs->read("File" + std::to_string(n), "");
        std::string title = prefs->read("Title" + std::to_string(n), "");
        if (url.empty())
            break;
        shell.list.addRow(title);
        s.playlistEntries.push_back({std::move(title), std::move(url)});
    }
}

void fillHistory(Shell& shell) {
    auto prefs = Preferences::open(shell.files, playlistPath(shell));
    if (!prefs)
        return;
    for (int n = 0; n <= 50; ++n) {
        prefs->selectGroup(common::cp1251("История"));
        const std::string value = prefs->read("File" + std::to_string(n), "");
        if (value.empty())
            break;
        shell.ui.dropDownAdd(kHistoryList, value);
    }
}

void playPlaylistRow(Shell& shell) {
    auto& s = shell.state;
    for (const auto& entry : s.playlistEntries) {
        if (entry.title == s.currentTitle) {
            s.playlistUrl = entry.url;
            break;
        }
    }
    startUrlStream(shell, s.playlistUrl);
    s.currentGenre.clear();
}

}  // namespace player
