#include "platform/text/codepage.h"

#include <array>

#include "common/cp1251.h"

namespace platform {
namespace {

// Code points of the bytes 0xB0..0xDF (box drawing) and 0xF0..0xFF of code page 866.
constexpr std::array<char16_t, 48> kCp866Box = {
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556,  // B0
    0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510,  // B8
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,  // C0
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567,  // C8
    0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B,  // D0
    0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,  // D8
};
constexpr std::array<char16_t, 16> kCp866Tail = {
    0x0401, 0x0451, 0x0404, 0x0454, 0x0407, 0x0457, 0x040E, 0x045E,  // F0
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x2116, 0x00A4, 0x25A0, 0x00A0,  // F8
};

template <char32_t (*ToCodePoint)(unsigned char)>
struct ReverseTable {
    // Linear search over 128 entries: conversions are short texts (names, captions).
    static int byteFor(char32_t cp) {
        if (cp < 0x80)
            return static_cast<int>(cp);
        for (int b = 0x80; b <= 0xFF; ++b)
            if (ToCodePoint(static_cast<unsigned char>(b)) == cp)
                return b;
        return -1;
    }
};

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at text[pos]; returns U+FFFD for a malformed one and always
// advances by at least one byte.
char32_t nextUtf8(std::string_view text, size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80)
        return lead;
    int extra;
    char32_t cp;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07;
    } else {
        return 0xFFFD;
    }
    for (int i = 0; i < extra; ++i) {
        if (pos >= text.size())
            return 0xFFFD;
        const auto c = static_cast<unsigned char>(text[pos]);
        if ((c & 0xC0) != 0x80)
            return 0xFFFD;
        cp = (cp << 6) | (c & 0x3F);
        ++pos;
    }
    static constexpr char32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kMinimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0xFFFD;
    return cp;
}

template <char32_t (*From)(unsigned char), char32_t (*To)(unsigned char)>
std::string recode(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const int b = ReverseTable<To>::byteFor(From(static_cast<unsigned char>(c)));
        out += b < 0 ? '?' : static_cast<char>(b);
    }
    return out;
}

}  // namespace

char32_t cp1251ToCodePoint(unsigned char byte) { return common::cp1251ToCodePoint(byte); }

char32_t cp866ToCodePoint(unsigned char byte) {
    if (byte < 0x80)
        return byte;
    if (byte < 0xB0)
        return 0x0410 + (byte - 0x80);  // А..Я, а..п
    if (byte < 0xE0)
        return kCp866Box[byte - 0xB0];
    if (byte < 0xF0)
        return 0x0440 + (byte - 0xE0);  // р..я
    return kCp866Tail[byte - 0xF0];
}

std::string cp1251ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (char c : text)
        appendUtf8(out, cp1251ToCodePoint(static_cast<unsigned char>(c)));
    return out;
}

std::string utf8ToCp1251(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    size_t pos = 0;
    while (pos < text.size()) {
        const int b = ReverseTable<cp1251ToCodePoint>::byteFor(nextUtf8(text, pos));
        out += b < 0 ? '?' : static_cast<char>(b);
    }
    return out;
}

std::string cp1251ToCp866(std::string_view text) {
    return recode<cp1251ToCodePoint, cp866ToCodePoint>(text);
}

std::string cp866ToCp1251(std::string_view text) {
    return recode<cp866ToCodePoint, cp1251ToCodePoint>(text);
}

std::string displayLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            out += '\n';
            // "\r\n" and "\n\r" are one break each.
            if (i + 1 < text.size() && (text[i + 1] == '\r' || text[i + 1] == '\n') && text[i + 1] != c)
                ++i;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace platform
