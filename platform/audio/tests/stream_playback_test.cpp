// HTTP and ICY streams on the real back-end (null output) against a small local server.

#include <algorithm>
#include <cctype>
#include <condition_variable>
#include <fstream>
#include <iterator>

#include "platform/audio/http_stream.h"
#include "platform/audio/tests/audio_fixture.h"
#include "platform/audio/tests/fake_icy_server.h"
#include "platform/audio/tests/fixtures.h"

using namespace audio_test;
using platform::StreamHandle;

namespace {

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

class StreamPlayback : public AudioTest {
protected:
    // A lame-made MP3 of `seconds` seconds at 128 kbit/s (16,000 bytes a second), with the
    // length header lame writes into its first frame.
    std::string mp3Bytes(double seconds) {
        const std::string wav = file("radio.wav"), mp3 = file("radio.mp3");
        writeWav(wav, {44100, 2, static_cast<long>(44100 * seconds)});
        EXPECT_TRUE(encodeMp3(wav, mp3));
        std::ifstream f(mp3, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    }

    // Sends a body in pieces at about 2.5 times the rate it plays at.
    static void trickle(FakeServer::Connection& c, const std::string& body) {
        for (size_t i = 0; i < body.size(); i += 4000) {
            if (!c.send(body.substr(i, 4000)))
                return;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }
};

TEST_F(StreamPlayback, IcyStreamPlaysWithItsTitlesAndEndsWhenTheServerGoesAway) {
    const std::string audioBytes = mp3Bytes(3.0);
    const std::string body = icyInterleave(
        audioBytes, 8000, {"StreamTitle='First';", "", "", "StreamTitle='Rock'n'Roll';StreamUrl='';"});
    FakeServer server([&](FakeServer::Connection& c, const std::string&) {
        c.send("ICY 200 OK\r\nicy-name: Test radio\r\nicy-metaint: 8000\r\ncontent-type: audio/mpeg\r\n\r\n");
        trickle(c, body);
    });

    const StreamHandle h = audio->streamCreateUrl(server.url("/stream"));
    ASSERT_NE(h, 0u);
    ASSERT_EQ(server.requests().size(), 1u);
    const std::string request = lower(server.requests()[0]);
    EXPECT_NE(request.find("get /stream http/1.1\r\n"), std::string::npos) << request;
    EXPECT_NE(request.find("\r\nicy-metadata: 1\r\n"), std::string::npos) << request;

    EXPECT_EQ(audio->channelGetLength(h), -1) << "live streams have no length, whatever the first frame says";
    EXPECT_FALSE(audio->channelSetPosition(h, 0)) << "nor can they seek";
    EXPECT_FALSE(audio->channelGetId3v1(h));
    ASSERT_TRUE(audio->channelPlay(h, false));
    EXPECT_NE(audio->channelIsActive(h), platform::kChannelStopped);

    ASSERT_TRUE(waitFor([&] { return audio->channelGetMeta(h) == "StreamTitle='First';"; }));
    ASSERT_TRUE(waitFor([&] { return audio->channelGetPosition(h) > 44100; }));
    ASSERT_TRUE(waitFor([&] {
        return audio->channelGetMeta(h) == "StreamTitle='Rock'n'Roll';StreamUrl='';";
    }));
    float fft[1025];
    EXPECT_EQ(audio->channelGetFft2048(h, fft), 4096);

    // The server has sent everything and closed: what is buffered plays, then the stream ends.
    ASSERT_TRUE(waitFor([&] { return audio->channelIsActive(h) == platform::kChannelStopped; }));
    EXPECT_NEAR(static_cast<double>(audio->channelGetPosition(h)), 3.0 * 176400, 0.1 * 176400)
        << "every frame was heard once: none lost to the metadata blocks";
    EXPECT_EQ(audio->channelGetMeta(h), "StreamTitle='Rock'n'Roll';StreamUrl='';") << "the last one stays";
    EXPECT_TRUE(audio->streamFree(h));
}

TEST_F(StreamPlayback, AStreamWaitingForDataIsStalledButActive) {
    const std::string body = mp3Bytes(2.0);
    std::mutex m;
    std::condition_variable cv;
    bool goOn = false;
    FakeServer server([&](FakeServer::Connection& c, const std::string&) {
        c.send("HTTP/1.0 200 OK\r\nContent-Type: audio/mpeg\r\n\r\n");
        c.send(body.substr(0, 8000));  // half a second, then the network holds
        {
            std::unique_lock lock(m);
            cv.wait_for(lock, std::chrono::seconds(20), [&] { return goOn || c.stopping(); });
        }
        c.send(body.substr(8000));
    });
    const StreamHandle h = audio->streamCreateUrl(server.url("/hold"));
    ASSERT_NE(h, 0u);
    ASSERT_TRUE(audio->channelPlay(h, false));
    // Stalled first while the answer's first bytes are on their way, then again once the half
    // second that came has played.
    ASSERT_TRUE(waitFor([&] {
        return audio->channelIsActive(h) == platform::kChannelStalled &&
               audio->channelGetPosition(h) > 176400 / 4;
    }));
    const int64_t stalledAt = audio->channelGetPosition(h);
    EXPECT_LE(stalledAt, 176400 / 2 + 4 * 1152) << "no more than what arrived";
    EXPECT_FALSE(audio->channelGetMeta(h)) << "a plain HTTP server sends no titles";

    // Pause and play work while waiting.
    EXPECT_TRUE(audio->channelPause(h));
    EXPECT_EQ(audio->channelIsActive(h), platform::kChannelPaused);
    EXPECT_TRUE(audio->channelPlay(h, false));
    {
        std::lock_guard lock(m);
        goOn = true;
    }
    cv.notify_all();
    ASSERT_TRUE(waitFor([&] { return audio->channelGetPosition(h) > stalledAt + 176400 / 4; }));
    ASSERT_TRUE(waitFor([&] { return audio->channelIsActive(h) == platform::kChannelStopped; }));
    EXPECT_NEAR(static_cast<double>(audio->channelGetPosition(h)), 2.0 * 176400, 0.1 * 176400);
    EXPECT_FALSE(audio->channelPlay(h, false)) << "an ended network stream cannot start again";
}

TEST_F(StreamPlayback, FreeingAStreamWhileItWaitsForTheNetworkReturns) {
    const std::string body = mp3Bytes(1.0);
    FakeServer server([&](FakeServer::Connection& c, const std::string&) {
        c.send("HTTP/1.1 200 OK\r\nContent-Type: audio/mpeg\r\n\r\n");
        c.send(body.substr(0, 4000));
        while (!c.stopping() && c.send(std::string()))
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    });
    const StreamHandle h = audio->streamCreateUrl(server.url());
    ASSERT_NE(h, 0u);
    ASSERT_TRUE(audio->channelPlay(h, false));
    ASSERT_TRUE(waitFor([&] { return audio->channelIsActive(h) == platform::kChannelStalled; }));
    EXPECT_TRUE(audio->streamFree(h));
    EXPECT_EQ(audio->channelIsActive(h), platform::kChannelStopped);
}

TEST_F(StreamPlayback, RedirectsAreFollowed) {
    const std::string body = mp3Bytes(0.5);
    FakeServer server([&](FakeServer::Connection& c, const std::string& request) {
        if (request.starts_with("GET /moved "))
            c.send("HTTP/1.1 302 Found\r\nLocation: /radio\r\nContent-Length: 0\r\n\r\n");
        else if (request.starts_with("GET /radio "))
            c.send("ICY 200 OK\r\nicy-metaint: 1000\r\n\r\n" +
                   icyInterleave(body, 1000, {"StreamTitle='After the move';"}));
    });
    const StreamHandle h = audio->streamCreateUrl(server.url("/moved"));
    ASSERT_NE(h, 0u);
    ASSERT_TRUE(audio->channelPlay(h, false));
    ASSERT_TRUE(waitFor([&] { return audio->channelIsActive(h) == platform::kChannelStopped; }));
    EXPECT_EQ(audio->channelGetMeta(h), "StreamTitle='After the move';");
    EXPECT_NEAR(static_cast<double>(audio->channelGetPosition(h)), 0.5 * 176400, 0.1 * 176400);
}

TEST_F(StreamPlayback, RequestsThatFailGiveHandleZero) {
    FakeServer server([&](FakeServer::Connection& c, const std::string& request) {
        if (request.starts_with("GET /missing "))
            c.send("HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n\r\nnot found");
        else if (request.starts_with("GET /error "))
            c.send("ICY 401 Service Unavailable\r\n\r\n");
        // /silent: closes without a word
    });
    const std::string refused = "http://127.0.0.1:" + std::to_string(freePort()) + "/";
    for (const std::string& url : {server.url("/missing"), server.url("/error"), server.url("/silent"), refused,
                                   std::string("file:///etc/hostname"), std::string("ftp://127.0.0.1/x.mp3"),
                                   std::string("/etc/hostname"), std::string("http://"), std::string()}) {
        EXPECT_EQ(audio->streamCreateUrl(url), 0u) << url;
    }
}

TEST(HttpStream, AServerThatNeverAnswersIsGivenUpAfterTheWait) {
    FakeServer server([&](FakeServer::Connection& c, const std::string&) {
        while (!c.stopping())
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    });
    platform::audio::HttpTimeouts timeouts;
    timeouts.headers = std::chrono::seconds(1);
    EXPECT_EQ(platform::audio::HttpStream::open(server.url("/mute"), timeouts), nullptr);
}

}  // namespace
