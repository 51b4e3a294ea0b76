#include <gtest/gtest.h>

#include "player/web/picture_search.h"
#include "player/web/tests/fakes.h"
#include "player/web/tests/jpeg_writer.h"

namespace web {
namespace {

TEST(PercentDecode, EscapesBecomeBytesAndABrokenEscapeEndsTheText) {
    const std::pair<std::string, std::string> cases[] = {
        {"img.test%2Fa%2Fb.jpg", "img.test/a/b.jpg"},
        {"%d0%E0", "\xD0\xE0"},
        {"a+b%20c", "a+b c"},
        {"cut%2here.jpg", "cut"},
        {"end%", "end"},
        {"end%4", "end"},
        {"zero%00byte", "zero"},
        {"%%41", ""},
        {"", ""},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(percentDecode(in), out) << in;
}

TEST(PictureViewSize, FitsTheView) {
    struct Case {
        int w, h;
        Size expected;
    };
    const Case cases[] = {
        {1000, 500, {480, 240}}, {500, 1000, {182, 365}}, {400, 600, {243, 365}}, {600, 600, {365, 365}},
        {300, 200, {300, 200}},  {500, 490, {480, 470}},  {480, 365, {480, 365}}, {481, 1, {480, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pictureViewSize(c.w, c.h), c.expected) << c.w << "x" << c.h;
}

TEST(FirstJpegAddress, OnlyAddressesEndingInJpgInAnyCase) {
    const std::pair<std::string, std::optional<std::string>> cases[] = {
        {"a img_url=img.test%2Fx.JPG&from=1 b", "img.test/x.JPG"},
        {"img_url=img.test/x.jpeg&from=\nimg_url=img.test/y.jpg?s=1&from=\nimg_url=i.test/z.jpg&from=", "i.test/z.jpg"},
        {"img_url=i.test%2Fbroken%zz.jpg&from=", std::nullopt},
        {"img_url=&from=", std::nullopt},
        {"nothing", std::nullopt},
    };
    for (const auto& [answer, address] : cases)
        EXPECT_EQ(firstJpegAddress(answer), address) << answer;
}

const std::string kSearch = "http://images.test/yandsearch?text=Depeche Mode&rpt=image";

struct PictureSearch : ::testing::Test {
    webtest::Rig rig;
};

TEST_F(PictureSearch, ShowsTheFirstJpegScaledIntoView38) {
    rig.downloader.answers[kSearch] =
        "<a href=\"?img_url=pics.test%2Fone.png&from=x\">\n<a href=\"?img_url=pics.test%2Fbig.jpg&from=x\">\n"
        "<a href=\"?img_url=pics.test%2Fsecond.jpg&from=x\">\n";
    rig.downloader.answers["http://pics.test/big.jpg"] = webtest::encodeJpeg(1000, 500, 200, 30, 30);
    searchPictures(rig.ports, "Depeche Mode");
    ASSERT_EQ(rig.downloader.requests.size(), 2u);
    EXPECT_EQ(rig.downloader.requests[0].second, "fail.txt");
    EXPECT_EQ(rig.downloader.requests[1], std::make_pair(std::string("http://pics.test/big.jpg"), std::string("Images.jpg")));
    ASSERT_EQ(rig.views.pictures.count(kPictureView), 1u);
    const auto& shown = rig.views.pictures[kPictureView];
    EXPECT_EQ(shown.width, 480);
    EXPECT_EQ(shown.height, 240);
    EXPECT_NEAR(shown.pixel(240, 120)[0], 200, 6);
}

TEST_F(PictureSearch, FailedPictureFetchShowsTheEarlierFileAgain) {
    rig.files.addFile("/work/Images.jpg", webtest::encodeJpeg(100, 80, 0, 0, 255));
    rig.downloader.answers[kSearch] = "img_url=pics.test/gone.jpg&from=\n";
    searchPictures(rig.ports, "Depeche Mode");
    ASSERT_EQ(rig.views.pictures.count(kPictureView), 1u);
    EXPECT_EQ(rig.views.pictures[kPictureView].width, 100);
}

TEST_F(PictureSearch, UndecodablePictureOrNoJpegLeavesTheViewAlone) {
    rig.downloader.answers[kSearch] = "img_url=pics.test/bad.jpg&from=\n";
    rig.downloader.answers["http://pics.test/bad.jpg"] = "<html>not a picture</html>";
    searchPictures(rig.ports, "Depeche Mode");
    rig.downloader.answers[kSearch] = "img_url=pics.test/a.gif&from=\n";
    searchPictures(rig.ports, "Depeche Mode");
    EXPECT_TRUE(rig.views.pictures.empty());
    EXPECT_EQ(rig.downloader.requests.size(), 3u);  // the GIF answer fetches no picture
}

}  // namespace
}  // namespace web
