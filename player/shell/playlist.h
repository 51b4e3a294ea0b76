#pragma once
// The playlist file "Playlist.pls" in the temporary folder: the user playlist (group
// "Мой плейлист") and the search history (group "История").

#include <string>
#include <string_view>

#include "player/shell/shell.h"

namespace player {

// The file as the program carries it; written to the temporary folder at every start.
std::string_view builtInPlaylist();
// The playlist file's full path.
std::string playlistPath(Shell& shell);

// Fills the main list and playlistEntries from the user playlist.
void loadPlaylist(Shell& shell);
// Fills the history drop-down (control 30) from File0 to at most File50 of the history.
void fillHistory(Shell& shell);
// Plays the entry whose title is currentTitle: the first such entry; playlistUrl stays as it
// was when none matches.
void playPlaylistRow(Shell& shell);

}  // namespace player
