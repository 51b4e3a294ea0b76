#include "platform/xdg_folders.h"

#include "common/lines.h"

namespace platform::xdg {
namespace {

bool usable(const std::optional<std::string>& dir) {
    // The base-directory rules ignore relative values.
    return dir && !dir->empty() && (*dir)[0] == '/';
}

std::string slashed(std::string path) {
    if (path.empty() || path.back() != '/')
        path += '/';
    return path;
}

}  // namespace

std::string applicationsFolder(std::optional<std::string> xdgDataHome, std::optional<std::string> home) {
    if (usable(xdgDataHome))
        return slashed(*xdgDataHome) + "applications/";
    if (usable(home))
        return slashed(*home) + ".local/share/applications/";
    return {};
}

std::string userDirsPath(std::optional<std::string> xdgConfigHome, std::optional<std::string> home) {
    if (usable(xdgConfigHome))
        return slashed(*xdgConfigHome) + "user-dirs.dirs";
    if (usable(home))
        return slashed(*home) + ".config/user-dirs.dirs";
    return {};
}

std::string desktopFolder(std::optional<std::string_view> userDirsFile, std::optional<std::string> home) {
    if (!usable(home))
        return {};
    if (userDirsFile) {
        for (const std::string& line : common::splitLines(*userDirsFile)) {
            const std::string_view key = "XDG_DESKTOP_DIR=\"";
            if (line.rfind(key, 0) != 0)
                continue;
            const size_t close = line.find('"', key.size());
            if (close == std::string::npos)
                continue;
            std::string value = line.substr(key.size(), close - key.size());
            if (value.rfind("$HOME", 0) == 0)
                value = *home + value.substr(5);
            else if (value.empty() || value[0] != '/')
                continue;
            // xdg-user-dirs treats a desktop folder equal to the home as "no desktop": use it
            // anyway, as file managers do.
            return slashed(value);
        }
    }
    return slashed(*home) + "Desktop/";
}

}  // namespace platform::xdg
