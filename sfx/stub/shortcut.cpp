#include "sfx/stub/shortcut.h"

#include "platform/names.h"
#include "sfx/stub/wizard_texts.h"

namespace sfx::stub {

std::string specialFolderPath(platform::System& system) {
    const std::string folder = system.desktopFolder();
    return folder.empty() ? folder : platform::withTrailingSeparator(folder);
}

int createShellLink(platform::System& system, const std::string& target, const std::string& linkFile,
                    const std::string& arguments, const std::string& description, const std::string& workingFolder,
                    int showCommand, const std::string& iconFile, int iconIndex) {
    platform::ShortcutFields fields;
    fields.target = target;
    fields.linkFile = linkFile;
    fields.arguments = arguments;
    fields.description = description;
    fields.workingFolder = workingFolder;
    fields.showCommand = showCommand;
    fields.iconFile = iconFile;
    fields.iconIndex = iconIndex;
    return system.createShortcut(fields) ? 1 : 0;
}

void placeDesktopShortcut(platform::System& system, const std::string& shortcutFolder) {
    // Without a desktop the bare file name would land in whatever the working folder is.
    const std::string desktop = specialFolderPath(system);
    if (desktop.empty())
        return;
    const std::string linkFile = desktop + platform::shortcutFileName(kPlayerBaseName);
    const std::string target = shortcutFolder + platform::executableName(kPlayerBaseName);
    createShellLink(system, target, linkFile, "", kShortcutDescription, shortcutFolder, 0, target, 0);
}

}  // namespace sfx::stub
