#include <gtest/gtest.h>

#include "platform/image/jpeg.h"
#include "platform/image/resample.h"
#include "player/web/tests/jpeg_writer.h"

namespace platform::image {
namespace {

TEST(Jpeg, DecodesIntoOpaqueRgba) {
    const auto picture = decodeJpeg(webtest::encodeJpeg(33, 17, 250, 128, 0));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, 33);
    EXPECT_EQ(picture->height, 17);
    const uint8_t* p = picture->pixel(16, 8);
    EXPECT_NEAR(p[0], 250, 4);
    EXPECT_NEAR(p[1], 128, 4);
    EXPECT_NEAR(p[2], 0, 4);
    EXPECT_EQ(p[3], 255);
}

TEST(Jpeg, RefusesWhatIsNoCompletePicture) {
    const std::string good = webtest::encodeJpeg(64, 64, 9, 9, 9, true);
    std::string huge = webtest::encodeJpeg(8, 8, 1, 1, 1);
    // the frame header's height and width: announce 60000 x 60000 pixels
    const size_t sof = huge.find("\xFF\xC0");
    ASSERT_NE(sof, std::string::npos);
    huge[sof + 5] = huge[sof + 7] = static_cast<char>(0xEA);
    huge[sof + 6] = huge[sof + 8] = static_cast<char>(0x60);
    const std::string cases[] = {"", "GIF89a", std::string("\xFF\xD8\xFF", 3), good.substr(0, good.size() / 2), huge};
    for (const auto& bytes : cases)
        EXPECT_FALSE(decodeJpeg(bytes)) << bytes.size();
}

TEST(Resample, FilterAveragesInsteadOfPicking) {
    // one-pixel stripes: nearest-neighbour would show pure black or pure white
    common::Picture stripes = common::Picture::blank(100, 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 100; x += 2)
            stripes.pixel(x, y)[0] = stripes.pixel(x, y)[1] = stripes.pixel(x, y)[2] = 255;
    const auto small = resample(stripes, 33, 3);
    ASSERT_EQ(small.width, 33);
    ASSERT_EQ(small.height, 3);
    for (int x = 0; x < 33; ++x)
        EXPECT_NEAR(small.pixel(x, 1)[0], 128, 20) << x;
}

TEST(Resample, KeepsFlatColourAndEdges) {
    common::Picture flat = common::Picture::blank(7, 5);
    for (size_t i = 0; i < flat.rgba.size(); i += 4)
        flat.rgba[i + 1] = 77;
    for (auto [w, h] : {std::pair{3, 2}, {20, 11}, {1, 1}}) {
        const auto scaled = resample(flat, w, h);
        ASSERT_EQ(scaled.width, w);
        for (size_t i = 0; i < scaled.rgba.size(); i += 4)
            ASSERT_EQ(scaled.rgba[i + 1], 77);
    }
    EXPECT_TRUE(resample(flat, 0, 4).empty());
    EXPECT_TRUE(resample(common::Picture{}, 4, 4).empty());
}

}  // namespace
}  // namespace platform::image
