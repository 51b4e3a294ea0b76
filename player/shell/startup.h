#pragma once
// Start-up: the player's data files, the pictures, the main window with its controls, audio
// output and the display timer, in that order.

#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "platform/library/library.h"
#include "player/shell/shell.h"

namespace player {

struct StartupData {
    // The built-in genre list, written to "стили.txt" (the web catalogue carries it).
    std::function<std::string_view()> genreList;
    // The twenty embedded pictures as PNG bytes, by image number.
    std::map<int, std::string_view> pictures;
    // Loads a picture file (JPEG or PNG); nothing when it is missing or unreadable.
    std::function<std::optional<common::Picture>(const std::string& path)> loadPictureFile;
    platform::LibraryLoader* libraryLoader = nullptr;  // null: no skin step
};

// Runs every step up to the event loop. False when the main window cannot be opened; the
// reason has then been written to `errors` and the program should end with a failure code.
bool startUp(Shell& shell, const StartupData& data, std::ostream& errors);

// The whole run: start-up, then the event loop until the quit button. Answers the process's
// exit code: 0 through the exit path, 1 when the main window could not be opened.
int runPlayer(Shell& shell, const StartupData& data, std::ostream& errors);

}  // namespace player
