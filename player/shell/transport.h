#pragma once
// Starting streams, the play/pause button, seeking on the position bar, Next and Previous.

#include <string>

#include "player/shell/shell.h"

namespace player {

void startUrlStream(Shell& shell, const std::string& url);
void playTrack(Shell& shell, int row);
void playLocalFile(Shell& shell);
void playPause(Shell& shell);
void seek(Shell& shell);
void playNext(Shell& shell);
void playPrevious(Shell& shell);

// The title a local file gets from its ID3 version 1 block: artist, title, album and year,
// two blanks between them; each field up to its first zero byte. Nothing for a short block.
std::optional<std::string> id3v1Title(const std::string& block);

// Result-table entries out of range read as empty (the list can hold more rows than a table).
template <typename Table>
const std::string& tableEntry(const Table& table, int index) {
    static const std::string empty;
    return index >= 0 && static_cast<size_t>(index) < table.size() ? table[static_cast<size_t>(index)] : empty;
}

}  // namespace player
