#pragma once
// Code page 1251, the system's text encoding: the byte table, and a compile-time conversion so
// that the system's Russian texts can be written readably in UTF-8 source and still be held as
// 1251 bytes: constexpr auto kCaption = common::cp1251("Деинсталлятор");

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace common {

namespace detail {
// Code points of the bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F in order.
inline constexpr std::array<char16_t, 64> kCp1251High = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98 (0x98 unassigned)
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};
}  // namespace detail

constexpr char32_t cp1251ToCodePoint(unsigned char byte) {
    if (byte < 0x80)
        return byte;
    if (byte >= 0xC0)
        return 0x0410 + (byte - 0xC0);
    return detail::kCp1251High[byte - 0x80];
}

// The 1251 byte of a code point, or -1 when the page has none.
constexpr int cp1251FromCodePoint(char32_t cp) {
    if (cp < 0x80)
        return static_cast<int>(cp);
    if (cp >= 0x0410 && cp <= 0x044F)
        return static_cast<int>(0xC0 + (cp - 0x0410));
    for (int i = 0; i < 64; ++i)
        if (detail::kCp1251High[i] == cp)
            return 0x80 + i;
    return -1;
}

template <size_t N>
struct Cp1251Text {
    char bytes[N] = {};
    size_t length = 0;
    constexpr std::string_view view() const { return {bytes, length}; }
    constexpr operator std::string_view() const { return view(); }
    std::string str() const { return std::string(bytes, length); }
    operator std::string() const { return str(); }
};

// Converts a UTF-8 literal at compile time; a character without a 1251 byte does not compile.
template <size_t N>
consteval Cp1251Text<N> cp1251(const char (&utf8)[N]) {
    Cp1251Text<N> out;
    size_t i = 0;
    while (i + 1 < N) {  // the literal's own terminating zero is not part of the text
        const auto lead = static_cast<unsigned char>(utf8[i]);
        char32_t cp;
        if (lead < 0x80) {
            cp = lead;
            i += 1;
        } else if ((lead & 0xE0) == 0xC0) {
            cp = ((lead & 0x1F) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3F);
            i += 2;
        } else if ((lead & 0xF0) == 0xE0) {
            cp = ((lead & 0x0F) << 12) | ((static_cast<unsigned char>(utf8[i + 1]) & 0x3F) << 6) |
                 (static_cast<unsigned char>(utf8[i + 2]) & 0x3F);
            i += 3;
        } else {
            throw "four-byte UTF-8 has no 1251 byte";
        }
        const int b = cp1251FromCodePoint(cp);
        if (b < 0)
            throw "character without a 1251 byte";
        out.bytes[out.length++] = static_cast<char>(b);
    }
    return out;
}

}  // namespace common
