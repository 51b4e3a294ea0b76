#include "platform/player_window/window_rules.h"

#include <cstdio>

#include "platform/text/codepage.h"

namespace platform::player_window {
namespace {

std::string hex(const player::Rgb& c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c.r & 255, c.g & 255, c.b & 255);
    return text;
}

std::string percentEscaped(const std::string& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) {
        if (c > 127 || c <= 32 || c == 127) {
            out += '%';
            out += digits[c >> 4];
            out += digits[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string fileUri(const std::string& utf8Path) {
    // Only what a file URI cannot carry as it is gets escaped; letters of any script stay.
    static const char digits[] = "0123456789ABCDEF";
    std::string out = "file://";
    for (unsigned char c : utf8Path) {
        if (c <= 32 || c == '%' || c == '#' || c == '?' || c == 127) {
            out += '%';
            out += digits[c >> 4];
            out += digits[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

}  // namespace

std::string styleName(int control) {
    return "vt-" + std::to_string(control);
}

std::string editCss(int control, const player::Rgb& text, const player::Rgb& back) {
    return "#" + styleName(control) +
           " { min-height: 0; padding: 0; margin: 0; border: none; border-radius: 0;"
           " box-shadow: none; outline: none; font: 8pt sans; color: " + hex(text) +
           "; background: " + hex(back) + "; caret-color: " + hex(text) + "; }\n";
}

std::string dropDownCss(int control, const player::Rgb& text, const player::Rgb& back) {
    const std::string id = "#" + styleName(control);
    return id + " button, " + id + " box, " + id + " cellview { min-height: 0; padding: 0;"
           " border: none; box-shadow: none; color: " + hex(text) + "; background: " + hex(back) + "; }\n"
           "menu, menuitem { color: " + hex(text) + "; background: " + hex(back) +
           "; font: 8pt sans; min-height: 0; padding-top: 0; padding-bottom: 0; }\n"
           "menuitem:hover { background: " + hex({back.r + 40, back.g + 40, back.b + 40}) + "; }\n";
}

std::string reportListCss(int control, const player::Rgb& text, const player::Rgb& back,
                          const player::Rgb& lines) {
    const std::string id = "#" + styleName(control);
    return id + " { color: " + hex(text) + "; background-color: " + hex(back) +
           "; border-top-color: " + hex(lines) +
           "; font: 8pt sans; -GtkTreeView-vertical-separator: 0; -GtkTreeView-horizontal-separator: 0;"
           " -GtkTreeView-expander-size: 0; padding: 0; }\n" +
           id + ":selected { color: #f0f1dc; background-color: #3a3a3a; }\n" +
           id + " header button { font: 8pt sans; padding: 0 2px; min-height: 0; color: " + hex(text) +
           "; background: " + hex({back.r + 12, back.g + 12, back.b + 12}) +
           "; border-color: " + hex(lines) + "; box-shadow: none; }\n";
}

std::string labelCss(int control) {
    return "#" + styleName(control) + " { color: #897f62; font: 8pt sans; }\n";
}

std::string browserUri(const std::string& address) {
    if (address.empty())
        return {};
    static const std::string localhost = "file://localhost/";
    if (address.rfind(localhost, 0) == 0) {
        std::string path = address.substr(localhost.size());
        while (path.size() > 1 && path[0] == '/' && path[1] == '/')
            path.erase(0, 1);
        if (path.empty() || path[0] != '/')
            path.insert(0, "/");
        return fileUri(cp1251ToUtf8(path));
    }
    if (address[0] == '/')
        return fileUri(cp1251ToUtf8(address));
    return percentEscaped(address);
}

std::vector<uint32_t> premultipliedArgb(const common::Picture& picture) {
    std::vector<uint32_t> out;
    if (picture.empty() || picture.rgba.size() < static_cast<size_t>(picture.width) * picture.height * 4)
        return out;
    out.resize(static_cast<size_t>(picture.width) * picture.height);
    const uint8_t* p = picture.rgba.data();
    for (size_t i = 0; i < out.size(); ++i, p += 4) {
        const uint32_t a = p[3];
        const auto scale = [a](uint32_t v) { return (v * a + 127) / 255; };
        out[i] = a << 24 | scale(p[0]) << 16 | scale(p[1]) << 8 | scale(p[2]);
    }
    return out;
}

int64_t nextDeadline(int64_t servedDeadline, int64_t now, int64_t period) {
    const int64_t next = servedDeadline + period;
    return next > now ? next : now + period;
}

std::string columnText(const std::string& row, int column) {
    size_t start = 0;
    for (int i = 0; i < column; ++i) {
        const size_t feed = row.find('\n', start);
        if (feed == std::string::npos)
            return {};
        start = feed + 1;
    }
    const size_t end = row.find('\n', start);
    return row.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

}  // namespace platform::player_window
