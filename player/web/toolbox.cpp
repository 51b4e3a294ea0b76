#include "player/web/toolbox.h"

#include <array>
#include <utility>

namespace web {

int findText(std::string_view text, std::string_view search, int start) {
    if (text.empty() || search.empty())
        return 0;
    if (start < 1)
        start = 1;
    if (static_cast<size_t>(start) > text.size())
        return 0;
    const size_t at = text.find(search, static_cast<size_t>(start - 1));
    return at == std::string_view::npos ? 0 : static_cast<int>(at + 1);
}

std::string removeAll(std::string_view text, std::string_view piece) {
    return replaceAll(text, piece, {});
}

std::string replaceAll(std::string_view text, std::string_view find, std::string_view replacement) {
    if (find.empty())
        return std::string(text);
    std::string out;
    out.reserve(text.size());
    size_t from = 0;
    for (;;) {
        const size_t at = text.find(find, from);
        if (at == std::string_view::npos)
            break;
        out.append(text.substr(from, at - from));
        out.append(replacement);
        from = at + find.size();
    }
    out.append(text.substr(from));
    return out;
}

std::string textBetween(std::string_view text, std::string_view startMarker, std::string_view endMarker) {
    const int a = findText(text, startMarker, 1);
    if (a == 0)
        return {};
    const std::string_view rest = text.substr(static_cast<size_t>(a - 1) + startMarker.size());
    const int b = findText(rest, endMarker, 1);
    if (b == 0)
        return {};
    return std::string(rest.substr(0, static_cast<size_t>(b - 1)));
}

namespace {

// The clean-up steps, applied one after the other in this order: later steps see what earlier
// ones made (so "&amp;#33;" turns into "&amp;!" and "Adult;" into "Adu<").
const std::array<std::pair<std::string_view, std::string_view>, 20> kEntitySteps = {{
    {"&#092;", "\\"},
    {"&#9679;", "\x95"},
    {"&#39;", "'"},
    {"&#9602;", "\x95"},
    {"&#9603;", "\x95"},
    {"&#036;", "$"},
    {"&#9733;", "\x95"},
    {"&#33;", "!"},
    {"#33;", "!"},
    {"lt;", "<"},
    {"gt;", ">"},
    {"&#8221;", "\""},
    {"&#8220;", "\""},
    {"&#8211;", "-"},
    {"&#8230;", "..."},
    {"&quot;", "\""},
    {"&laquo;", "\xAB"},
    {"&raquo;", "\xBB"},
    {"<span class=\"match\">", " "},
    {"</span>", " "},
}};

}  // namespace

std::string decodeEntities(std::string_view text) {
    std::string out(text);
    for (const auto& [find, replacement] : kEntitySteps)
        out = replaceAll(out, find, replacement);
    const size_t first = out.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : out.substr(first);
}

std::string leftPart(std::string_view text, int n) {
    if (n <= 0)
        return {};
    return std::string(text.substr(0, static_cast<size_t>(n)));
}

std::string rightPart(std::string_view text, int n) {
    if (n <= 0)
        return {};
    const size_t count = std::min(static_cast<size_t>(n), text.size());
    return std::string(text.substr(text.size() - count));
}

namespace {

unsigned char lowerByte(unsigned char c) {
    if (c >= 'A' && c <= 'Z')
        return static_cast<unsigned char>(c + 32);
    if (c >= 0xC0 && c <= 0xDF)  // А..Я
        return static_cast<unsigned char>(c + 32);
    switch (c) {
        case 0xA8: return 0xB8;  // Ё
        case 0x80: return 0x90;  // Ђ
        case 0x81: return 0x83;  // Ѓ
        case 0x8A: return 0x9A;  // Љ
        case 0x8C: return 0x9C;  // Њ
        case 0x8D: return 0x9D;  // Ќ
        case 0x8E: return 0x9E;  // Ћ
        case 0x8F: return 0x9F;  // Џ
        case 0xA1: return 0xA2;  // Ў
        case 0xA3: return 0xBC;  // Ј
        case 0xA5: return 0xB4;  // Ґ
        case 0xAA: return 0xBA;  // Є
        case 0xAF: return 0xBF;  // Ї
        case 0xB2: return 0xB3;  // І
        case 0xBD: return 0xBE;  // Ѕ
        default: return c;
    }
}

}  // namespace

std::string lowerCase(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(lowerByte(static_cast<unsigned char>(c)));
    return out;
}

std::string decimal(long long value) { return std::to_string(value); }

}  // namespace web
