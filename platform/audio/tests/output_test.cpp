// The outputs the back-end picks: ALSA's default device (here ALSA's file plugin, which keeps
// what it is given), and the fallback to the null output when the sound server is missing.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/audio/native_audio.h"
#include "platform/audio/tests/audio_fixture.h"
#include "platform/audio/tests/fixtures.h"

using namespace audio_test;
using platform::StreamHandle;

namespace {

// The largest sample of a raw 16-bit file, and its size in bytes.
std::pair<int, size_t> peakOf(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    int top = 0;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto v = static_cast<int16_t>(static_cast<uint8_t>(bytes[i]) | (static_cast<uint8_t>(bytes[i + 1]) << 8));
        top = std::max(top, std::abs(static_cast<int>(v)));
    }
    return {top, bytes.size()};
}

void playToTheEnd(platform::Audio& audio, const std::string& path) {
    const StreamHandle h = audio.streamCreateFile(path);
    ASSERT_NE(h, 0u);
    ASSERT_TRUE(audio.channelPlay(h, false));
    ASSERT_TRUE(waitFor([&] { return audio.channelIsActive(h) == platform::kChannelStopped; }));
    EXPECT_EQ(audio.channelGetPosition(h), audio.channelGetLength(h));
}

TEST(AudioOutput, AlsasDefaultDeviceGetsTheSound) {
    TempFolder home;
    const std::string kept = (home.path() / "device.raw").string();
    std::ofstream(home.path() / ".asoundrc") << "pcm.!default { type file slave.pcm \"null\" file \"" << kept
                                             << "\" format \"raw\" }\n";
    ::setenv("HOME", home.str().c_str(), 1);
    ::setenv("VT_AUDIO_OUTPUT", "alsa", 1);
    ::unsetenv("VT_AUDIO_CAPTURE");
    writeWav((home.path() / "tone.wav").string(), {44100, 2, 11025, 1000, 0.5});

    auto audio = platform::createNativeAudio();
    audio->init(-1, 44100);
    EXPECT_EQ(platform::nativeAudioOutput(*audio), "alsa");
    playToTheEnd(*audio, (home.path() / "tone.wav").string());
    audio.reset();  // the plugin writes its last periods when the device closes
    const auto [top, size] = peakOf(kept);
    EXPECT_GE(size, 11025u * 4);
    EXPECT_NEAR(top / 32768.0, 0.5, 0.01);
}

TEST(AudioOutput, WithoutTheSoundServerTheSoundStillPlaysUnheard) {
    TempFolder dir;
    const std::string kept = (dir.path() / "null.raw").string();
    ::setenv("PULSE_SERVER", ("unix:" + (dir.path() / "no-server").string()).c_str(), 1);
    ::setenv("VT_AUDIO_OUTPUT", "pulse", 1);
    ::setenv("VT_AUDIO_CAPTURE", kept.c_str(), 1);
    writeWav((dir.path() / "tone.wav").string(), {44100, 2, 11025, 1000, 0.5});

    auto audio = platform::createNativeAudio();
    audio->init(-1, 44100);
    EXPECT_EQ(platform::nativeAudioOutput(*audio), "null");
    playToTheEnd(*audio, (dir.path() / "tone.wav").string());
    EXPECT_NEAR(peakOf(kept).first / 32768.0, 0.5, 0.01) << "the null output took it";
}

TEST(AudioOutput, ASoundServerThatAnswersIsUsed) {
    TempFolder dir;
    const std::string socket = (dir.path() / "native").string();
    std::ofstream(dir.path() / "server.pa") << "load-module module-null-sink sink_name=test_sink\n"
                                               "load-module module-native-protocol-unix socket=" << socket
                                            << " auth-anonymous=1\n"
                                               "set-default-sink test_sink\n";
    Background server({"pulseaudio", "-n", "-F", (dir.path() / "server.pa").string(), "--daemonize=no",
                       "--exit-idle-time=-1", "--use-pid-file=no", "--disable-shm=yes"},
                      (dir.path() / "server.log").string(),
                      {"HOME=" + dir.str(), "XDG_RUNTIME_DIR=" + dir.str()});
    ASSERT_TRUE(server.started());
    ASSERT_TRUE(waitFor([&] { return std::filesystem::exists(socket); }));
    ::setenv("PULSE_SERVER", ("unix:" + socket).c_str(), 1);
    ::unsetenv("VT_AUDIO_OUTPUT");
    writeWav((dir.path() / "tone.wav").string(), {44100, 2, 22050, 1000, 0.5});

    auto audio = platform::createNativeAudio();
    audio->init(-1, 44100);
    EXPECT_EQ(platform::nativeAudioOutput(*audio), "pulse");
    playToTheEnd(*audio, (dir.path() / "tone.wav").string());
}

}  // namespace
