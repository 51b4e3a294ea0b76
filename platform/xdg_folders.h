#pragma once
// Where the freedesktop conventions put the user's folders. Pure functions over the environment
// and the user-dirs file, so that the rules are tested without touching the machine.
// Texts here are the file system's own (UTF-8); the callers convert.

#include <optional>
#include <string>
#include <string_view>

namespace platform::xdg {

// $XDG_DATA_HOME/applications/, or $HOME/.local/share/applications/; empty when neither is set.
std::string applicationsFolder(std::optional<std::string> xdgDataHome, std::optional<std::string> home);

// The XDG_DESKTOP_DIR line of user-dirs.dirs ("$HOME/..." or an absolute path), else
// $HOME/Desktop/; empty without a home. Always ends with "/".
std::string desktopFolder(std::optional<std::string_view> userDirsFile, std::optional<std::string> home);

// $XDG_CONFIG_HOME/user-dirs.dirs or $HOME/.config/user-dirs.dirs; empty without either.
std::string userDirsPath(std::optional<std::string> xdgConfigHome, std::optional<std::string> home);

}  // namespace platform::xdg
