#include "platform/text/codepage.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

using namespace platform;

namespace {

// The C library's converter, as an independent reference for the tables.
std::string viaIconv(const char* to, const char* from, std::string in) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return "<no converter>";
    std::string out(in.size() * 4 + 4, '\0');
    char* inPtr = in.data();
    size_t inLeft = in.size();
    char* outPtr = out.data();
    size_t outLeft = out.size();
    const size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (r == static_cast<size_t>(-1))
        return "<unmappable>";
    out.resize(out.size() - outLeft);
    return out;
}

}  // namespace

TEST(Codepage1251, EveryByteMatchesTheReferenceConverter) {
    for (int b = 0; b < 256; ++b) {
        if (b == 0x98)
            continue;  // unassigned in 1251; the reference refuses it
        const std::string in(1, static_cast<char>(b));
        EXPECT_EQ(cp1251ToUtf8(in), viaIconv("UTF-8", "CP1251", in)) << "byte " << b;
    }
}

TEST(Codepage1251, EveryByteSurvivesTheRoundTripThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(utf8ToCp1251(cp1251ToUtf8(all)), all);
}

TEST(Codepage1251, UnassignedByteMapsToItsControlCodePoint) {
    EXPECT_EQ(cp1251ToUtf8("\x98"), "\xC2\x98");
}

TEST(Codepage1251, RussianTextsOfTheSystem) {
    // "Деинсталлятор" as the system holds it and as GTK shows it.
    EXPECT_EQ(cp1251ToUtf8("\xc4\xe5\xe8\xed\xf1\xf2\xe0\xeb\xeb\xff\xf2\xee\xf0"),
              "\xd0\x94\xd0\xb5\xd0\xb8\xd0\xbd\xd1\x81\xd1\x82\xd0\xb0\xd0\xbb\xd0\xbb\xd1\x8f\xd1\x82\xd0\xbe\xd1\x80");
}

TEST(Codepage1251, UnmappableAndMalformedUtf8BecomeQuestionMarks) {
    struct Case {
        std::string utf8;
        std::string cp1251;
    } cases[] = {
        {"\xe4\xb8\xad", "?"},                 // a CJK letter
        {"a\xff" "b", "a?b"},                  // not UTF-8 at all
        {"\xd0", "?"},                         // truncated sequence
        {"\xc0\xaf", "?"},                     // overlong slash: rejected, not decoded to '/'
        {"\xed\xa0\x80", "?"},                 // a surrogate
        {"\xf0\x9f\x8e\xb5x", "?x"},           // outside the basic plane
        {"\xe2\x84\x96", "\xb9"},              // numero sign
    };
    for (const auto& c : cases)
        EXPECT_EQ(utf8ToCp1251(c.utf8), c.cp1251) << c.utf8;
}

TEST(Codepage866, EveryByteMatchesTheReferenceConverter) {
    for (int b = 0; b < 256; ++b) {
        const std::string in(1, static_cast<char>(b));
        std::string utf8;
        const char32_t cp = cp866ToCodePoint(static_cast<unsigned char>(b));
        EXPECT_EQ(viaIconv("UTF-32LE", "CP866", in),
                  std::string(reinterpret_cast<const char*>(&cp), 4))
            << "byte " << b;
    }
}

TEST(Codepage866, CyrillicNamesGoBothWays) {
    // "Музыка.mp3" in 1251 and in 866.
    const std::string ansi = "\xcc\xf3\xe7\xfb\xea\xe0.mp3";
    const std::string oem = "\x8c\xe3\xa7\xeb\xaa\xa0.mp3";
    EXPECT_EQ(cp1251ToCp866(ansi), oem);
    EXPECT_EQ(cp866ToCp1251(oem), ansi);
    // Ё and ё live at different places in the two pages.
    EXPECT_EQ(cp1251ToCp866("\xa8\xb8"), "\xf0\xf1");
}

TEST(Codepage866, CharactersMissingOnTheOtherSideBecomeQuestionMarks) {
    EXPECT_EQ(cp1251ToCp866("\x80\x88"), "??");  // Ђ and € have no OEM byte
    EXPECT_EQ(cp866ToCp1251("\xb0\xc4"), "??");  // box drawing has no ANSI byte
}

TEST(DisplayLineBreaks, CarriageReturnsAndPairsBecomeOneBreakEach) {
    EXPECT_EQ(displayLineBreaks("a\rb"), "a\nb");
    EXPECT_EQ(displayLineBreaks("a\n\rb"), "a\nb");
    EXPECT_EQ(displayLineBreaks("a\r\nb"), "a\nb");
    EXPECT_EQ(displayLineBreaks("v1.1\n\r\n\rText"), "v1.1\n\nText");
    EXPECT_EQ(displayLineBreaks("a\r\rb"), "a\n\nb");
}
