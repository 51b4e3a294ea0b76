// A real Icecast server on 127.0.0.1, fed by ezstream from lame-made files, played by the
// back-end on the null output.

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/audio/tests/audio_fixture.h"
#include "platform/audio/tests/fake_icy_server.h"
#include "platform/audio/tests/fixtures.h"

using namespace audio_test;
using platform::StreamHandle;

namespace {

class Icecast : public AudioTest {
protected:
    void SetUp() override {
        // The server drops root for "nobody" and then still writes its logs here.
        std::filesystem::permissions(dir.path(), std::filesystem::perms::all);
        std::filesystem::create_directory(dir.path() / "log");
        std::filesystem::permissions(dir.path() / "log", std::filesystem::perms::all);
        port = freePort();
    }

    std::string tone(const std::string& name, double seconds, int bin, const std::string& title) {
        const std::string wav = file(name + ".wav"), mp3 = file(name + ".mp3");
        writeWav(wav, {44100, 2, static_cast<long>(44100 * seconds), bin * 44100.0 / 2048, 0.5});
        EXPECT_TRUE(encodeMp3(wav, mp3, {"--tt", title, "--ta", "Band"}));
        return mp3;
    }

    void writeServerConfig() {
        std::ofstream f(file("icecast.xml"));
        f << "<icecast>\n"
             "  <limits><clients>8</clients><sources>2</sources></limits>\n"
             "  <authentication><source-password>source-secret</source-password>"
             "<admin-user>admin</admin-user><admin-password>admin-secret</admin-password></authentication>\n"
             "  <hostname>127.0.0.1</hostname>\n"
             "  <listen-socket><port>" << port << "</port><bind-address>127.0.0.1</bind-address></listen-socket>\n"
             "  <mount><mount-name>/radio.mp3</mount-name><mp3-metadata-interval>4096</mp3-metadata-interval></mount>\n"
             "  <paths><basedir>" << dir.str() << "</basedir><logdir>" << file("log") << "</logdir>"
             "<webroot>/usr/share/icecast2/web</webroot><adminroot>/usr/share/icecast2/admin</adminroot></paths>\n"
             "  <logging><accesslog>access.log</accesslog><errorlog>error.log</errorlog><loglevel>3</loglevel></logging>\n"
             "  <security><chroot>0</chroot>";
        if (::geteuid() == 0)
            f << "<changeowner><user>nobody</user><group>nogroup</group></changeowner>";
        f << "</security>\n</icecast>\n";
    }

    void writeSourceConfig(const std::vector<std::string>& tracks) {
        {
            std::ofstream list(file("playlist.m3u"));
            for (const auto& t : tracks)
                list << t << "\n";
        }
        const std::string path = file("ezstream.xml");
        std::ofstream f(path);
        f << "<ezstream>\n"
             "  <servers><server><hostname>127.0.0.1</hostname><port>" << port << "</port>"
             "<password>source-secret</password></server></servers>\n"
             "  <streams><stream><mountpoint>/radio.mp3</mountpoint><format>MP3</format></stream></streams>\n"
             "  <intakes><intake><filename>" << file("playlist.m3u") << "</filename>"
             "<stream_once>1</stream_once></intake></intakes>\n"
             "</ezstream>\n";
        f.close();
        ::chmod(path.c_str(), 0600);  // the source client refuses a configuration others can read
    }

    // What the two programs said, for a failure's message.
    std::string logs() const {
        std::string all;
        for (const char* name : {"icecast.out", "log/error.log", "ezstream.out"}) {
            std::ifstream f(file(name));
            all += std::string("--- ") + name + "\n" +
                   std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
        }
        return all;
    }

    int port = 0;
};

TEST_F(Icecast, PlaysTheMountWithItsChangingTitleUntilTheServerGoesAway) {
    // The first song lasts long enough for a listener that connects late on a loaded machine
    // (the mount appears only once the source has connected) to still hear its title.
    const std::string first = tone("first", 10.0, 20, "Song A");
    const std::string second = tone("second", 30.0, 40, "Song B");
    writeServerConfig();
    writeSourceConfig({first, second});

    Background server({"icecast2", "-c", file("icecast.xml")}, file("icecast.out"));
    ASSERT_TRUE(server.started());
    ASSERT_TRUE(waitFor([&] { return accepts(port); })) << logs();
    Background source({"ezstream", "-c", file("ezstream.xml")}, file("ezstream.out"));
    ASSERT_TRUE(source.started());

    // The mount answers once the server is up and the source has connected.
    StreamHandle h = 0;
    ASSERT_TRUE(waitFor([&] { return (h = audio->streamCreateUrl("http://127.0.0.1:" + std::to_string(port) + "/radio.mp3")) != 0; },
                        std::chrono::seconds(20)))
        << logs();
    EXPECT_EQ(audio->channelGetLength(h), -1);
    ASSERT_TRUE(audio->channelPlay(h, false));

    ASSERT_TRUE(waitFor([&] { return audio->channelGetMeta(h) == "StreamTitle='Band - Song A';"; },
                        std::chrono::seconds(20)))
        << audio->channelGetMeta(h).value_or("(none)");
    ASSERT_TRUE(waitFor([&] { return audio->channelGetPosition(h) > 176400 / 2; }));
    float fft[1025];
    ASSERT_EQ(audio->channelGetFft2048(h, fft), 4096);
    EXPECT_GT(*std::max_element(fft, fft + 1024), 0.3f) << "a tone is heard, not silence";

    ASSERT_TRUE(waitFor([&] { return audio->channelGetMeta(h) == "StreamTitle='Band - Song B';"; },
                        std::chrono::seconds(20)))
        << audio->channelGetMeta(h).value_or("(none)");
    EXPECT_NE(audio->channelIsActive(h), platform::kChannelStopped);

    server.kill();
    ASSERT_TRUE(waitFor([&] { return audio->channelIsActive(h) == platform::kChannelStopped; },
                        std::chrono::seconds(30)))
        << "the stream ends once what it had buffered has played";
    EXPECT_EQ(audio->channelGetLength(h), -1);
    EXPECT_TRUE(audio->streamFree(h));
}

}  // namespace
