// The downloads and the radio client against a real local HTTP server (fixture_server.py),
// which records the raw bytes of every request.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

#include "common/cp1251.h"
#include "platform/native.h"
#include "player/web/audio_search.h"
#include "player/web/http_client.h"
#include "player/web/picture_search.h"
#include "player/web/radio.h"
#include "player/web/tests/fakes.h"
#include "player/web/tests/jpeg_writer.h"
#include "player/web/video_page.h"
#include "player/web/video_search.h"

namespace web {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

std::string readAll(const fs::path& path) {
    std::ifstream f(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

class FixtureServer {
public:
    explicit FixtureServer(const fs::path& folder) : folder_(folder) {
        const std::string command = "/usr/bin/python3 " + std::string(FIXTURE_SERVER) + " '" + folder.string() + "'";
        pipe_ = ::popen(command.c_str(), "r");
        char line[32] = {};
        if (pipe_ && std::fgets(line, sizeof line, pipe_))
            port_ = std::atoi(line);
    }
    ~FixtureServer() {
        if (port_ > 0) {
            platform::fake::FakeFiles scratch;
            receiveToFile(platform::net::nativeTcpConnector(), scratch, url("/_quit"), "/bye");
        }
        if (pipe_)
            ::pclose(pipe_);
    }
    int port() const { return port_; }
    std::string host() const { return "127.0.0.1:" + std::to_string(port_); }
    std::string url(const std::string& path) const { return "http://" + host() + path; }

    // The raw bytes of the last request the server received.
    std::string lastRequest() const {
        int best = 0;
        for (const auto& e : fs::directory_iterator(folder_)) {
            const std::string name = e.path().filename().string();
            if (name.starts_with("request-") && name.ends_with(".bin"))
                best = std::max(best, std::atoi(name.c_str() + 8));
        }
        return best ? readAll(folder_ / ("request-" + std::to_string(best) + ".bin")) : std::string();
    }

private:
    fs::path folder_;
    FILE* pipe_ = nullptr;
    int port_ = 0;
};

class Network : public ::testing::Test {
protected:
    fs::path folder;
    fs::path oldDirectory;
    std::unique_ptr<FixtureServer> server;
    platform::net::CookieStore cookies;
    std::unique_ptr<platform::net::Downloader> downloader = platform::net::makeCurlDownloader(cookies);
    platform::Files& files = platform::nativeFiles();
    platform::net::TcpConnector& connector = platform::net::nativeTcpConnector();

    void SetUp() override {
        std::random_device random;
        folder = fs::temp_directory_path() / ("vt90-web-test-" + std::to_string(random()));
        fs::create_directories(folder / "tmp");
        oldDirectory = fs::current_path();
        fs::current_path(folder);  // bare page names land here
        server = std::make_unique<FixtureServer>(folder);
        ASSERT_GT(server->port(), 0);
    }
    void TearDown() override {
        server.reset();
        fs::current_path(oldDirectory);
        fs::remove_all(folder);
    }
    std::string file(const std::string& name) { return readAll(folder / name); }
    void put(const std::string& name, const std::string& bytes) { std::ofstream(folder / name, std::ios::binary) << bytes; }

    // Short waits for the hostile answers; the shipped limits are longer.
    ReceiveLimits quick() {
        ReceiveLimits l;
        l.firstPiece = l.read = std::chrono::milliseconds(1500);
        l.idle = std::chrono::milliseconds(400);
        l.total = std::chrono::milliseconds(4000);
        l.maxBody = 1024 * 1024;
        return l;
    }
};

TEST_F(Network, RadioRequestBytesAreExactlyTheDirectorysRequest) {
    ASSERT_TRUE(receiveToFile(connector, files, server->url("/by_genre/Acid House"), "Spisok.txt"));
    EXPECT_EQ(server->lastRequest(), "GET /by_genre/Acid House HTTP/1.1\r\nAccept: */*\r\nHost: " + server->host() +
                                         "\r\nConnection: close\r\n\r\n");
    ASSERT_TRUE(receiveToFile(connector, files, server->url("/by_genre/Contemporary R&amp;B"), "Spisok.txt"));
    EXPECT_TRUE(server->lastRequest().starts_with("GET /by_genre/Contemporary R&amp;B HTTP/1.1\r\n"));
    EXPECT_NE(file("Spisok.txt").find("Groove Salad"), std::string::npos);
}

TEST_F(Network, RadioBodies) {
    const std::pair<std::string, std::string> cases[] = {
        {"/length-no-blank", "0123456789"},
        {"/chunked", "first second"},
        {"/until-idle", "line one\r\nline two\r\n"},
        {"/until-close", "all of it\r\n"},
        {"/found-302", "the 302 body"},
        {"/found-302-empty", ""},
        {"/stall", "partial"},  // a body that stops coming ends early, as the directory left it
    };
    for (const auto& [path, body] : cases) {
        ASSERT_TRUE(receiveToFile(connector, files, server->url(path), "out.txt", quick())) << path;
        EXPECT_EQ(file("out.txt"), body) << path;
    }
}

TEST_F(Network, RadioFailuresLeaveTheFileUntouched) {
    const std::string cases[] = {"/missing", "/no-header-end", "/huge-header", "/endless", "/trickle", "/silent"};
    for (const auto& path : cases) {
        put("out.txt", "earlier");
        const auto start = Clock::now();
        EXPECT_FALSE(receiveToFile(connector, files, server->url(path), "out.txt", quick())) << path;
        // a hang guard, far above the limits' 4 s deadline
        EXPECT_LT(Clock::now() - start, std::chrono::seconds(15)) << path;
        EXPECT_EQ(file("out.txt"), "earlier") << path;
    }
    EXPECT_FALSE(receiveToFile(connector, files, "http://127.0.0.1:9/closed-port", "out.txt", quick()));
}

TEST_F(Network, DownloadFollowsRedirectsAndKeepsTheEarlierFileOnFailure) {
    put("arrived.txt", "arrived");
    ASSERT_TRUE(downloader->downloadToFile(server->url("/redirect"), (folder / "page.txt").string()));
    EXPECT_EQ(file("page.txt"), "arrived");
    EXPECT_FALSE(downloader->downloadToFile(server->url("/missing"), (folder / "page.txt").string()));
    EXPECT_FALSE(downloader->downloadToFile("http://127.0.0.1:9/", (folder / "page.txt").string()));
    EXPECT_EQ(file("page.txt"), "arrived");
    // nothing is left behind beside the page
    int files_ = 0;
    for (const auto& e : fs::directory_iterator(folder))
        files_ += e.path().filename().string().starts_with("page.txt");
    EXPECT_EQ(files_, 1);
}

TEST_F(Network, DownloadSendsTheAddressAsTyped) {
    const std::string text = "Acid House " + common::cp1251("Ремикс").str();
    downloader->downloadToFile(server->url("/cookies?q=" + text + "&name=1"), (folder / "a.txt").string());
    // a blank cannot travel in a request line: it goes as %20; 1251 letters go as they are
    EXPECT_TRUE(server->lastRequest().starts_with(
        "GET /cookies?q=Acid%20House%20\xD0\xE5\xEC\xE8\xEA\xF1&name=1 HTTP/1.1\r\n"))
        << server->lastRequest();
}

TEST_F(Network, CookiesOfTheLoginPageGoWithLaterDownloads) {
    // the login page, loaded by the hidden view, leaves its cookie in the shared store
    ASSERT_TRUE(downloader->downloadToFile(server->url("/login?act=login"), (folder / "login.htm").string()));
    ASSERT_TRUE(downloader->downloadToFile(server->url("/cookies"), (folder / "c.txt").string()));
    EXPECT_NE(file("c.txt").find("remixsid=abc123"), std::string::npos) << file("c.txt");

    // a cookie the browser view set itself reaches the downloads the same way
    cookies.clear();
    auto viewCookie = platform::net::cookieFromSetCookie("remixlang=3; Path=/", "127.0.0.1");
    ASSERT_TRUE(viewCookie);
    cookies.add(*viewCookie);
    ASSERT_TRUE(downloader->downloadToFile(server->url("/cookies"), (folder / "c.txt").string()));
    EXPECT_NE(file("c.txt").find("remixlang=3"), std::string::npos);
    EXPECT_EQ(file("c.txt").find("remixsid"), std::string::npos);
}

TEST_F(Network, CatalogueAgainstTheLocalServer) {
    webtest::Rig rig;
    rig.config.hosts = {server->host(), server->host(), server->host(), server->host()};
    rig.system.tempFolder = (folder / "tmp").string() + "/";
    WebPorts ports{rig.state, rig.list, rig.views, rig.ui, rig.audio, files, rig.system, *downloader, connector,
                   rig.config};

    searchAudio(ports, audioSearchUrl(rig.config, "Depeche Mode"));
    ASSERT_EQ(rig.list.rows.size(), 2u);
    EXPECT_EQ(rig.list.rows[0], "0     Depeche Mode - Enjoy the Silence \"Remix\"\n4:15");
    EXPECT_EQ(rig.list.rows[1], "1     Depeche Mode - Personal Jesus - Live\n3:00");
    EXPECT_EQ(rig.state.trackUrls[1], "http://cs5102.media.test/u77/audio/0a0b0c.mp3");

    put("picture.JPG", webtest::encodeJpeg(800, 600, 10, 20, 240));
    searchPictures(ports, "Depeche Mode");
    ASSERT_EQ(rig.views.pictures.count(kPictureView), 1u);
    EXPECT_EQ(rig.views.pictures[kPictureView].width, 480);
    EXPECT_EQ(rig.views.pictures[kPictureView].height, 360);

    searchVideo(ports, videoSearchUrl(rig.config, "National Geographic"));
    EXPECT_EQ(rig.list.rows, std::vector<std::string>{"National Geographic \xABOceans\xBB\n45:10"});
    openVideoPage(ports, rig.state.videoLinks[0]);
    EXPECT_NE(file("tmp/111.htm").find("oid=-42&id=777&hash=ffee01"), std::string::npos);
    buildVideoLink(ports, rig.state.videoLinks[0], "flv");
    EXPECT_EQ(rig.state.videoFileUrl, "http://cs5.flv.test/assets/videos/a1b2k9.vk.flv");

    listStations(ports, genrePageUrl(rig.config, "Acid House"));
    EXPECT_EQ(rig.list.rows, (std::vector<std::string>{"Groove Salad", "Drone Zone &amp; Co"}));
    playStation(ports, stationEntryUrl(rig.config, rig.state.stationLinks[1]));
    EXPECT_EQ(rig.audio.calls.back(), "play " + std::to_string(rig.state.streamHandle));
    EXPECT_EQ(rig.audio.stream(rig.state.streamHandle)->source, "http://127.0.0.1:9/stream-of/listen/2/listen.m3u");
}

}  // namespace
}  // namespace web
