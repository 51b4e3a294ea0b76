#pragma once
// The folder of the file picked in the open-file dialog, listed in the main list.

#include <string>

#include "player/shell/shell.h"

namespace player {

// The name, with its last four characters lower-cased, ends in ".wav", ".mp3" or ".mid".
bool isSoundFileName(const std::string& name);

// Lists the sound files of localPath's folder, selects the picked file (searching rows 0 to
// 1000) and sets currentTitle to its name.
void scanFolder(Shell& shell);

}  // namespace player
