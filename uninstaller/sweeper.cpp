#include "uninstaller/sweeper.h"

#include <set>

#include "platform/names.h"
#include "uninstaller/removal_list.h"
#include "uninstaller/self_delete.h"
#include "uninstaller/texts.h"

namespace uninstaller {
namespace {

using platform::PathKind;

bool presentAndNotEmpty(platform::Files& files, const std::string& path) {
    const platform::PathInfo info = files.pathInfo(path);
    return info.kind == PathKind::File && info.size > 0;
}

void removeStartMenuFolder(platform::Files& files, platform::System& system) {
    const std::string startMenu = system.startMenuFolder();
    // Without a known Start menu the relative folder "VT-90/" of the install folder is not ours
    // to touch.
    if (startMenu.empty())
        return;
    const std::string folder = startMenu + kStartMenuSubfolder + platform::kPathSeparator;
    const auto entries = files.listFolder(folder, "*.*");
    if (!entries)
        return;
    for (const platform::FolderEntry& entry : *entries)
        if (!entry.isFolder)
            files.deleteFile(folder + entry.name);
    files.removeFolder(folder);
}

// The listed files that are still there: a file already missing counts as gone; an entry that
// names a folder (or nothing) never named a file to remove.
std::vector<std::string> remainingFiles(platform::Files& files, const std::vector<std::string>& removalList) {
    std::vector<std::string> remaining;
    std::set<std::string> seen;
    for (const std::string& entry : removalList)
        if (!entry.empty() && files.pathInfo(entry).kind == PathKind::File && seen.insert(entry).second)
            remaining.push_back(entry);
    return remaining;
}

void report(platform::Dialogs& dialogs, const std::vector<std::string>& remaining) {
    if (remaining.empty()) {
        dialogs.messageBox(kReportCaption, kReportSuccess, platform::MessageButtons::Ok, platform::MessageIcon::None);
        return;
    }
    // A box can only hold so many lines; the rest is counted.
    constexpr size_t kShown = 20;
    std::string text(kReportRemaining);
    for (size_t i = 0; i < remaining.size() && i < kShown; ++i)
        text += "\r" + remaining[i];
    if (remaining.size() > kShown)
        text += "\r" + std::string(kReportMore) + std::to_string(remaining.size() - kShown);
    dialogs.messageBox(kReportCaption, text, platform::MessageButtons::Ok, platform::MessageIcon::Warning);
}

void deleteOwnExecutable(platform::System& system) {
    const std::string interpreter = system.commandInterpreter();
    if (interpreter.empty())
        return;
    const std::string cwd = system.currentDirectory();
    const std::string ownName = platform::fileNamePart(system.executablePath());
    if constexpr (platform::kWindows) {
        system.startDetached(interpreter, {windowsDeleteParameters(cwd, ownName)}, cwd);
    } else {
        const std::string path = platform::withTrailingSeparator(cwd) + ownName;
        system.startDetached(interpreter, shellDeleteArguments(path, system.processId()), cwd);
    }
}

}  // namespace

void runSweeper(platform::Files& files, platform::System& system, platform::Dialogs& dialogs) {
    if (!presentAndNotEmpty(files, kListFile) ||
        !presentAndNotEmpty(files, platform::executableName(kPlayerBaseName)))
        return;

    // Only an explicit Yes goes on: a box closed without an answer removes nothing.
    if (dialogs.messageBox(kConfirmCaption, kConfirmText, platform::MessageButtons::YesNo,
                           platform::MessageIcon::Question) != platform::MessageAnswer::Yes)
        return;

    // The list is read whole and closed before anything is deleted, so it may name itself.
    if (const auto bytes = files.readFile(kListFile)) {
        const std::vector<std::string> removalList = readRemovalList(*bytes);
        for (const std::string& entry : removalList)
            files.deleteFile(entry);
        removeStartMenuFolder(files, system);
        report(dialogs, remainingFiles(files, removalList));
    }

    deleteOwnExecutable(system);
}

}  // namespace uninstaller
