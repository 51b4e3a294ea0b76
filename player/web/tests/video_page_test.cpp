#include <gtest/gtest.h>

#include "player/web/video_page.h"
#include "player/web/tests/fakes.h"

namespace web {
namespace {

const std::string kPlain =
    "<script>loadFlashPlayer({\"uid\":\"123\",\"vtag\":\"a1b2\",\"vkid\":\"k9\",\"host\":\"cs5.flv.test\","
    "\"oid\":\"-42\",\"vid\":\"777\",\"hash2\":\"ffee01\",\"thumb\":\"http:\\/\\/cs515.vk.me\\/t.jpg\"})</script>";
const std::string kEscaped =
    "ajax.preload('al_video.php', {oid:-43,vid:778,list:''}, [\"{\\\"uid\\\":\\\"321\\\",\\\"vtag\\\":\\\"c3d4\\\","
    "\\\"vkid\\\":\\\"k7\\\",\\\"host\\\":\\\"cs6.flv.test\\\",\\\"hash2\\\":\\\"abcd\\\","
    "\\\"thumb\\\":\\\"http:\\/\\/cs616.vk.me\\/t.jpg\\\"}\"]);";

const std::string kPageUrl = "http://web.test/video-42_777";

struct VideoPage : ::testing::Test {
    webtest::Rig rig;
    void serve(const std::string& body) { rig.downloader.answers[kPageUrl] = body; }
    std::string frame() { return rig.files.content("/tmp/111.htm"); }
};

TEST_F(VideoPage, PlainLineWritesTheFramePageAndShowsIt) {
    serve("<html>\n" + kPlain + "\n</html>\n");
    openVideoPage(rig.ports, "video-42_777");
    EXPECT_EQ(rig.downloader.requests.at(0), std::make_pair(kPageUrl, std::string("/tmp/film.htm")));
    EXPECT_EQ(frame(),
              "<style>body{padding:0px;margin:0px;background:#000000;}</style><iframe "
              "src='http://web.test/video_ext.php?oid=-42&id=777&hash=ffee01' width='482' height='360' "
              "frameborder='0'></iframe>\r\n");
    ASSERT_EQ(rig.views.navigations.size(), 1u);
    EXPECT_EQ(rig.views.navigations[0], std::make_pair(kVideoView, std::string("/tmp/111.htm")));
}

TEST_F(VideoPage, TheLastQualifyingLineWins) {
    serve(kPlain + "\n" + kEscaped + "\n");
    openVideoPage(rig.ports, "video-42_777");
    EXPECT_NE(frame().find("oid=-43&id=778&hash=abcd'"), std::string::npos) << frame();
    EXPECT_EQ(rig.views.navigations.size(), 2u);
    // each qualifying line deletes the frame page and writes it anew
    EXPECT_EQ(rig.files.deleteRequests.size(), 2u);
}

TEST_F(VideoPage, LineWithBothMarkersIsReadInThePlainForm) {
    const auto values = frameValuesOf(kPlain + " ajax.preload({oid:1,vid:2,})");
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values[0].owner, "-42");
    EXPECT_EQ(values[0].video, "777");
}

TEST_F(VideoPage, EmptyValuesStillWriteAFrame) {
    serve("loadFlashPlayer()\n");
    openVideoPage(rig.ports, "video-42_777");
    EXPECT_NE(frame().find("oid=&id=&hash='"), std::string::npos);
}

TEST_F(VideoPage, ValuesCannotBreakOutOfTheFrameAttribute) {
    serve("loadFlashPlayer({\"oid\":\"1' onload='alert(1)\",\"vid\":\"<script>\",\"hash2\":\"a&b\"})\n");
    openVideoPage(rig.ports, "video-42_777");
    EXPECT_EQ(frame().find("' onload"), std::string::npos);
    EXPECT_EQ(frame().find("<script>"), std::string::npos);
    EXPECT_NE(frame().find("oid=1&#39; onload=&#39;alert(1)&id=&lt;script&gt;&hash=a&amp;b'"), std::string::npos);
}

TEST_F(VideoPage, PageWithoutQualifyingLinesChangesNothing) {
    serve("<html></html>\n");
    openVideoPage(rig.ports, "video-42_777");
    EXPECT_FALSE(rig.files.exists("/tmp/111.htm"));
    EXPECT_TRUE(rig.views.navigations.empty());
}

struct LinkCase {
    std::string page;
    std::string quality;
    std::string expected;
};

TEST_F(VideoPage, DownloadAddressesOfBothForms) {
    const LinkCase cases[] = {
        {kPlain, "240", "http://cs515.media.test/u123/video/a1b2.240.mp4"},
        {kPlain, "720", "http://cs515.media.test/u123/video/a1b2.720.mp4"},
        {kPlain, "flv", "http://cs5.flv.test/assets/videos/a1b2k9.vk.flv"},
        {kEscaped, "480", "http://cs616.media.test/u321/video/c3d4.480.mp4"},
        {kEscaped, "flv", "http://cs6.flv.test/assets/videos/c3d4k7.vk.flv"},
        {kPlain + "\n" + kEscaped, "360", "http://cs616.media.test/u321/video/c3d4.360.mp4"},
    };
    for (const auto& c : cases) {
        serve(c.page);
        buildVideoLink(rig.ports, "video-42_777", c.quality);
        EXPECT_EQ(rig.state.videoFileUrl, c.expected) << c.quality;
    }
    // every click fetches the page again
    EXPECT_EQ(rig.downloader.requests.size(), std::size(cases));
}

TEST_F(VideoPage, NoQualifyingLineKeepsTheEarlierAddress) {
    rig.state.videoFileUrl = "http://earlier";
    serve("nothing here\n");
    buildVideoLink(rig.ports, "video-42_777", "480");
    EXPECT_EQ(rig.state.videoFileUrl, "http://earlier");
    rig.downloader.answers.clear();
    buildVideoLink(rig.ports, "video-42_777", "480");  // the earlier "film.htm" is read again
    EXPECT_EQ(rig.state.videoFileUrl, "http://earlier");
}

}  // namespace
}  // namespace web
