#pragma once
// The preferences-file reader: groups of key=value lines, read whole at open.
// Syntax: an optional UTF-8 byte-order mark (then names and values are converted to and from
// code page 1251); lines end at CR, LF or CR LF; leading blanks and tabs are skipped; empty
// lines are ignored; ";" starts a comment line; "[name]" starts a group (the name ends at the
// first "]" or at the line end); any other line is key=value, both trimmed of blanks and tabs
// around the "=" and at the value's end, with no quoting. Group names and keys compare without
// regard to the case of A to Z only.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"

namespace player {

class Preferences {
public:
    static Preferences parse(std::string_view bytes);
    // Nothing when the file cannot be read.
    static std::optional<Preferences> open(platform::Files& files, const std::string& path);

    void selectGroup(const std::string& name);
    // The value of the first line with the key in the selected group (before any selection: the
    // lines ahead of the first header); the default when there is none or no such group.
    std::string read(const std::string& key, const std::string& fallback) const;

private:
    struct Line {
        std::string key;
        std::string value;
    };
    struct Group {
        std::string name;
        std::vector<Line> lines;
    };
    bool utf8_ = false;
    std::vector<Group> groups_;  // groups_[0]: the lines ahead of the first header
    int selected_ = 0;           // -1: the selected group does not exist
};

}  // namespace player
