#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/image/png.h"
#include "sfx/art/art_decode.h"

namespace sfx::art {
namespace {

std::string readFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(Art, BannerIsA24BitBitmapOf253By34) {
    const std::string bmp = readFile(SFX_BANNER_FILE);
    EXPECT_EQ(bmp.size(), 25894u);
    const common::Picture p = decodeBmp(bmp);
    EXPECT_EQ(p.width, 253);
    EXPECT_EQ(p.height, 34);
    // Light letters on the left, blue behind them.
    EXPECT_GT(p.pixel(200, 30)[2], p.pixel(200, 30)[0]);
}

TEST(Art, WizardPictureIsAnRgbPngOf490By91) {
    const std::string png = readFile(SFX_WIZARD_FILE);
    ASSERT_GT(png.size(), 33u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    EXPECT_EQ(static_cast<unsigned char>(png[24]), 8);  // bit depth
    EXPECT_EQ(static_cast<unsigned char>(png[25]), 2);  // colour type RGB
    const common::Picture p = platform::image::decodePng(png).value_or(common::Picture{});
    EXPECT_EQ(p.width, 490);
    EXPECT_EQ(p.height, 91);
}

TEST(Art, DecodersRefuseOtherBytes) {
    EXPECT_TRUE(decodeBmp("BM not really a bitmap").empty());
    EXPECT_FALSE(platform::image::decodePng("\x89PNG but cut short"));
    std::string bmp = readFile(SFX_BANNER_FILE);
    bmp.resize(1000);
    EXPECT_TRUE(decodeBmp(bmp).empty());
}

}  // namespace
}  // namespace sfx::art
