#include "player/shell/local_folder.h"

#include "platform/names.h"

namespace player {

bool isSoundFileName(const std::string& name) {
    std::string tail = name.size() > 4 ? name.substr(name.size() - 4) : name;
    for (char& c : tail)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return tail == ".wav" || tail == ".mp3" || tail == ".mid";
}

void scanFolder(Shell& shell) {
    auto& s = shell.state;
    shell.list.clear();
    std::string folder = platform::folderPart(s.localPath);
    // An empty folder part means the process's current directory.
    if (folder.empty())
        folder = shell.system.currentDirectory();
    if (auto entries = shell.files.listFolder(folder, "*.*")) {
        for (const auto& entry : *entries) {
            if (entry.name == "." || entry.name == "..")
                continue;
            if (isSoundFileName(entry.name))
                shell.list.addRow(entry.name);
        }
    }
    s.currentTitle = platform::fileNamePart(s.localPath);
    for (int i = 0; i <= 1000; ++i) {
        shell.list.select(i);
        const int selected = shell.list.selection();
        const std::string text = selected == -1 ? std::string() : shell.list.rowText(selected);
        if (text == s.currentTitle) {
            shell.list.select(i);
            break;
        }
    }
}

}  // namespace player
