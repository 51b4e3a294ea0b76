#include <gtest/gtest.h>

#include "player/web/catalogue.h"
#include "player/web/tests/fakes.h"
#include "player/web/tests/jpeg_writer.h"
#include "player/web/web_config.h"

namespace web {
namespace {

TEST(WebConfig, HostsComeFromTheEnvironmentOrTheBuiltInDefaults) {
    platform::fake::FakeSystem system;
    const WebConfig defaults = configFromEnvironment(system);
    EXPECT_EQ(defaults.hosts.web, WebConfig{}.hosts.web);
    system.variables = {{"VT90_LOGIN_HOST", "127.0.0.1:81"}, {"VT90_WEB_HOST", "127.0.0.1:82"},
                        {"VT90_IMAGE_HOST", "127.0.0.1:83"}, {"VT90_DIRECTORY_HOST", "127.0.0.1:84"},
                        {"VT90_AUDIO_MEDIA", "127.0.0.1:85"}, {"VT90_VIDEO_MEDIA", "m*.local"},
                        {"VT90_UNRELATED", "x"}};
    const WebConfig c = configFromEnvironment(system);
    EXPECT_EQ(c.hosts.login, "127.0.0.1:81");
    EXPECT_EQ(c.hosts.web, "127.0.0.1:82");
    EXPECT_EQ(c.hosts.imageSearch, "127.0.0.1:83");
    EXPECT_EQ(c.hosts.directory, "127.0.0.1:84");
    EXPECT_EQ(audioMediaUrl(c, "4791", "1", "a"), "http://127.0.0.1:85/u1/audio/a.mp3");
    EXPECT_EQ(mediaHost(c.videoMediaHost, "cs12"), "mcs12.local");
    system.variables = {{"VT90_WEB_HOST", ""}};  // an empty value does not count
    EXPECT_EQ(configFromEnvironment(system).hosts.web, WebConfig{}.hosts.web);
}

TEST(WebConfig, AddressesTakeTheirTextsAsTheyAre) {
    WebConfig c;
    c.hosts = {"login.test", "web.test", "img.test", "dir.test"};
    c.email = "a@b.c";
    c.password = "123456";
    EXPECT_EQ(loginUrl(c), "http://login.test/?act=login&email=a@b.c&pass=123456&expire=&vk =");
    EXPECT_EQ(videoSearchUrl(c, "National Geographic"),
              "http://web.test/gsearch.php?section=video&q=National Geographic&name=1");
    EXPECT_EQ(videoPageUrl(c, "video-1_2"), "http://web.test/video-1_2");
    EXPECT_EQ(genrePageUrl(c, "Contemporary R&amp;B"), "http://dir.test/by_genre/Contemporary R&amp;B");
    EXPECT_EQ(stationEntryUrl(c, "/listen/1.m3u"), "http://dir.test/listen/1.m3u");
    EXPECT_EQ(imageSearchUrl(c, "a b"), "http://img.test/yandsearch?text=a b&rpt=image");
}

TEST(Catalogue, CallsReachTheFeaturesAndTheWorkerIsAwaitedOnTheWayOut) {
    webtest::Rig rig;
    rig.downloader.answers["http://img.test/t.jpg"] = webtest::encodeJpeg(8, 8, 1, 1, 1);
    {
        auto catalogue = makeWebCatalogue(rig.ports);
        EXPECT_EQ(catalogue->hosts().directory, "radio.test");
        EXPECT_EQ(catalogue->loginUrl(), loginUrl(rig.config));
        rig.files.addFile("/tmp/" + std::string("\xF1\xF2\xE8\xEB\xE8.txt"), "Jazz\r\nRock\r\n");
        catalogue->listGenres();
        EXPECT_EQ(rig.list.rows, (std::vector<std::string>{"Jazz", "Rock"}));
        EXPECT_TRUE(catalogue->startThumbnailWorker("http://img.test/t.jpg"));
    }
    EXPECT_FALSE(rig.state.thumbWorker.joinable());
    EXPECT_EQ(rig.ui.runPending(), 1);
}

}  // namespace
}  // namespace web
