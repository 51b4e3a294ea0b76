#include "player/shell/preferences.h"

#include "platform/text/codepage.h"

namespace player {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string trimRight(std::string text) {
    while (!text.empty() && isBlank(text.back()))
        text.pop_back();
    return text;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

}  // namespace

Preferences Preferences::parse(std::string_view bytes) {
    Preferences prefs;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        prefs.utf8_ = true;
        bytes.remove_prefix(3);
    }
    prefs.groups_.push_back({});
    size_t pos = 0;
    while (pos < bytes.size()) {
        size_t end = bytes.find_first_of("\r\n", pos);
        if (end == std::string_view::npos)
            end = bytes.size();
        std::string_view line = bytes.substr(pos, end - pos);
        pos = end;
        if (pos < bytes.size() && bytes[pos] == '\r')
            ++pos;
        if (pos < bytes.size() && bytes[pos] == '\n' && (pos == end || bytes[end] == '\r'))
            ++pos;

        while (!line.empty() && isBlank(line.front()))
            line.remove_prefix(1);
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            line.remove_prefix(1);
            prefs.groups_.push_back({std::string(line.substr(0, line.find(']'))), {}});
            continue;
        }
        const size_t eq = line.find('=');
        Line entry;
        entry.key = trimRight(std::string(line.substr(0, eq)));
        if (eq != std::string_view::npos) {
            std::string_view value = line.substr(eq + 1);
            while (!value.empty() && isBlank(value.front()))
                value.remove_prefix(1);
            entry.value = std::string(value);
        }
        prefs.groups_.back().lines.push_back(std::move(entry));
    }
    return prefs;
}

std::optional<Preferences> Preferences::open(platform::Files& files, const std::string& path) {
    auto bytes = files.readFile(path);
    if (!bytes)
        return std::nullopt;
    return parse(*bytes);
}

void Preferences::selectGroup(const std::string& name) {
    const std::string wanted = utf8_ ? platform::cp1251ToUtf8(name) : name;
    selected_ = -1;
    for (size_t i = 1; i < groups_.size(); ++i) {
        if (sameName(groups_[i].name, wanted)) {
            selected_ = static_cast<int>(i);
            return;
        }
    }
}

std::string Preferences::read(const std::string& key, const std::string& fallback) const {
    if (selected_ < 0)
        return fallback;
    const std::string wanted = utf8_ ? platform::cp1251ToUtf8(key) : key;
    for (const Line& line : groups_[static_cast<size_t>(selected_)].lines) {
        if (sameName(line.key, wanted)) {
            std::string value = trimRight(line.value);
            return utf8_ ? platform::utf8ToCp1251(value) : value;
        }
    }
    return fallback;
}

}  // namespace player
