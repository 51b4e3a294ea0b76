#pragma once
// The player's desktop shortcut.

#include <string>

#include "platform/system.h"

namespace sfx::stub {

// The desktop folder, ending with a separator; empty when it cannot be found.
std::string specialFolderPath(platform::System& system);

// Returns 1 when the shortcut object could be made (whatever became of the save), else 0.
int createShellLink(platform::System& system, const std::string& target, const std::string& linkFile,
                    const std::string& arguments, const std::string& description, const std::string& workingFolder,
                    int showCommand, const std::string& iconFile, int iconIndex);

// The shortcut "VT-90" on the desktop to the player in the folder (which ends with a separator).
void placeDesktopShortcut(platform::System& system, const std::string& shortcutFolder);

}  // namespace sfx::stub
