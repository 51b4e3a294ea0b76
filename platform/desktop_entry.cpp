#include "platform/desktop_entry.h"

#include <cctype>

#include "platform/text/codepage.h"

namespace platform {
namespace {

// A value of type string or localestring: backslash and line breaks escaped.
std::string entryValue(const std::string& utf8) {
    std::string out;
    for (char c : utf8) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default: out += c;
        }
    }
    return out;
}

std::string baseName(const std::string& linkFile) {
    std::string name = linkFile.substr(linkFile.find_last_of("/\\") == std::string::npos
                                           ? 0
                                           : linkFile.find_last_of("/\\") + 1);
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0)
        name.resize(dot);
    return name;
}

}  // namespace

std::string desktopExecArgument(const std::string& utf8) {
    std::string escaped;
    bool plain = !utf8.empty();
    for (char c : utf8) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            escaped += '\\';
        if (c == '%')
            escaped += '%';  // a field code otherwise
        escaped += c;
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '/' || c == '.' || c == '-' || c == '_' ||
              static_cast<unsigned char>(c) >= 0x80))
            plain = false;
    }
    return plain ? escaped : "\"" + escaped + "\"";
}

std::string desktopEntryText(const ShortcutFields& f) {
    std::string exec = desktopExecArgument(cp1251ToUtf8(f.target));
    if (!f.arguments.empty())
        exec += " " + cp1251ToUtf8(f.arguments);
    std::string text = "[Desktop Entry]\n";
    text += "Type=Application\n";
    text += "Version=1.0\n";
    text += "Name=" + entryValue(cp1251ToUtf8(baseName(f.linkFile))) + "\n";
    if (!f.description.empty())
        text += "Comment=" + entryValue(cp1251ToUtf8(f.description)) + "\n";
    text += "Exec=" + entryValue(exec) + "\n";
    if (!f.workingFolder.empty())
        text += "Path=" + entryValue(cp1251ToUtf8(f.workingFolder)) + "\n";
    if (!f.iconFile.empty())
        text += "Icon=" + entryValue(cp1251ToUtf8(f.iconFile)) + "\n";
    text += "Terminal=false\n";
    return text;
}

}  // namespace platform
