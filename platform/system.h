#pragma once
// The process and the user's environment: variables, folders, starting other programs.
// Texts are code page 1251.

#include <optional>
#include <string>
#include <vector>

namespace platform {

// A shortcut to a program, with the fields of the Windows shell link. On Linux it becomes a
// freedesktop desktop entry (see desktopEntryText).
struct ShortcutFields {
    std::string linkFile;  // where the shortcut goes: ".lnk" on Windows, ".desktop" on Linux
    std::string target;
    std::string arguments;
    std::string description;
    std::string workingFolder;
    int showCommand = 0;
    std::string iconFile;
    int iconIndex = 0;
};

// The shortcut file's name for a base name: "VT-90.lnk" on Windows, "VT-90.desktop" on Linux.
inline std::string shortcutFileName(const std::string& base) {
#ifdef _WIN32
    return base + ".lnk";
#else
    return base + ".desktop";
#endif
}

class System {
public:
    virtual ~System() = default;

    virtual std::optional<std::string> environment(const std::string& name) = 0;
    virtual std::string currentDirectory() = 0;
    virtual std::string executablePath() = 0;
    virtual int processId() = 0;

    // The user's folder for temporary files, ending with a separator.
    virtual std::string temporaryFolder() = 0;

    // The user's Start-menu folder (on Linux the applications-menu folder) and desktop folder,
    // each ending with a separator; empty when unknown.
    virtual std::string startMenuFolder() = 0;
    virtual std::string desktopFolder() = 0;

    // The command interpreter: the "comspec" variable on Windows, /bin/sh elsewhere; empty when
    // there is none.
    virtual std::string commandInterpreter() = 0;

    // Starts a program hidden and detached from this one (its own session, no console, standard
    // streams to the null device, no inherited handles) in the given folder, and does not wait
    // for it. False when it could not be started.
    virtual bool startDetached(const std::string& program, const std::vector<std::string>& arguments,
                               const std::string& workingFolder) = 0;

    // Writes the shortcut, replacing one of that name. False when no shortcut object could be
    // made at all; a save that fails afterwards is not reported, as with the shell link.
    virtual bool createShortcut(const ShortcutFields& fields) {
        (void)fields;
        return false;
    }
};

}  // namespace platform
