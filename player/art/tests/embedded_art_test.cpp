// The embedded pictures are checked from their own bytes: the PNG signature, a chunk walk that
// must end on IEND at the last byte, and the size and colour type of the IHDR header. The sizes
// are layout: an image control takes the size of the picture placed in it.

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "player/art/embedded_art.h"

namespace {

struct Header {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    int bitDepth = 0;
    int colourType = 0;
};

std::uint32_t bigEndian(std::span<const unsigned char> b, std::size_t at) {
    return std::uint32_t{b[at]} << 24 | std::uint32_t{b[at + 1]} << 16 |
           std::uint32_t{b[at + 2]} << 8 | std::uint32_t{b[at + 3]};
}

// Reads the header of a PNG file and checks that its chunks run back to back up to an IEND
// chunk that ends the bytes exactly; nothing when the bytes are not such a file.
std::optional<Header> readHeader(std::span<const unsigned char> png) {
    static const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    if (png.size() < 8 + 25 + 12) return std::nullopt;
    for (int i = 0; i < 8; ++i) {
        if (png[i] != signature[i]) return std::nullopt;
    }
    if (bigEndian(png, 8) != 13 || std::string(png.begin() + 12, png.begin() + 16) != "IHDR") {
        return std::nullopt;
    }
    std::size_t at = 8;
    std::string type;
    while (at + 12 <= png.size()) {
        const std::uint32_t length = bigEndian(png, at);
        type.assign(png.begin() + at + 4, png.begin() + at + 8);
        if (length > png.size() - at - 12) return std::nullopt;
        at += 12 + length;
        if (type == "IEND") break;
    }
    if (type != "IEND" || at != png.size()) return std::nullopt;
    return Header{bigEndian(png, 16), bigEndian(png, 20), png[24], png[25]};
}

struct Expected {
    int image;
    std::uint32_t width;
    std::uint32_t height;
};

const Expected kSizes[] = {
    {1, 1183, 560}, {2, 14, 14},  {3, 14, 14},  {10, 33, 18},  {11, 36, 15},
    {13, 23, 18},   {14, 24, 18}, {15, 24, 18}, {16, 27, 18},  {17, 27, 18},
    {18, 73, 5},    {19, 12, 5},  {25, 54, 18}, {27, 36, 15},  {28, 36, 15},
    {240, 31, 18},  {360, 31, 18}, {480, 31, 18}, {720, 31, 18}, {34, 31, 18},
};

constexpr int kTrueColour = 2;
constexpr int kTrueColourWithAlpha = 6;

TEST(EmbeddedArt, EveryPictureHasItsLayoutSize) {
    for (const Expected& e : kSizes) {
        SCOPED_TRACE("image " + std::to_string(e.image));
        const auto header = readHeader(player::embeddedPicture(e.image));
        ASSERT_TRUE(header.has_value());
        EXPECT_EQ(header->width, e.width);
        EXPECT_EQ(header->height, e.height);
        EXPECT_EQ(header->bitDepth, 8);
    }
}

TEST(EmbeddedArt, OnlyTheVolumeKnobCarriesAnAlphaChannel) {
    // The knob is blended over the track; the track and every face are opaque.
    for (const Expected& e : kSizes) {
        SCOPED_TRACE("image " + std::to_string(e.image));
        const auto header = readHeader(player::embeddedPicture(e.image));
        ASSERT_TRUE(header.has_value());
        EXPECT_EQ(header->colourType, e.image == 19 ? kTrueColourWithAlpha : kTrueColour);
    }
}

TEST(EmbeddedArt, TheNumberListMatchesTheEmbeddedPictures) {
    ASSERT_EQ(player::kEmbeddedPictureNumbers.size(), std::size(kSizes));
    for (std::size_t i = 0; i < std::size(kSizes); ++i) {
        EXPECT_EQ(player::kEmbeddedPictureNumbers[i], kSizes[i].image);
    }
}

TEST(EmbeddedArt, NumbersWithoutAPictureGiveNothing) {
    // Drawing surfaces (6, 7, 9, 20, 21, 31), the downloaded picture 36 and nonsense numbers.
    for (int number : {0, -1, 4, 5, 6, 7, 9, 12, 20, 21, 31, 33, 36, 100, 241, 1000}) {
        EXPECT_TRUE(player::embeddedPicture(number).empty()) << number;
    }
}

TEST(EmbeddedArt, TheHeaderReaderRejectsDamagedFiles) {
    const auto good = player::embeddedPicture(19);
    std::basic_string<unsigned char> bytes(good.begin(), good.end());
    ASSERT_TRUE(readHeader(bytes).has_value());

    auto truncated = bytes.substr(0, bytes.size() - 1);
    EXPECT_FALSE(readHeader(truncated).has_value());
    auto badSignature = bytes;
    badSignature[1] = 'X';
    EXPECT_FALSE(readHeader(badSignature).has_value());
    auto trailing = bytes + static_cast<unsigned char>(0);
    EXPECT_FALSE(readHeader(trailing).has_value());
}

}  // namespace
