// Plays a lame-made MP3 of N seconds (60 by default) on the null output, asking for a
// 2048-sample spectrum every 55 ms as the display does, and measures the process's CPU time;
// then lets `lame --decode` decode the same file and measures its CPU time. Prints both, the
// player's share of one core and the ratio.

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "platform/audio/native_audio.h"
#include "platform/audio/tests/fixtures.h"

namespace {

double cpuSeconds(int who) {
    rusage u{};
    getrusage(who, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    if (seconds <= 0) {
        std::fprintf(stderr, "usage: audio_bench [seconds]\n");
        return 2;
    }
    char pattern[] = "/tmp/vt-audio-bench-XXXXXX";
    const std::filesystem::path dir = ::mkdtemp(pattern);
    const std::string wav = (dir / "music.wav").string(), mp3 = (dir / "music.mp3").string();
    // A swept tone keeps the encoder and decoder busy on every band over the run.
    audio_test::writeWav(wav, {44100, 2, 44100L * seconds, 220.0, 0.4, 44100L * seconds / 2, 3520.0});
    if (!audio_test::encodeMp3(wav, mp3, {"-V", "2"})) {
        std::fprintf(stderr, "lame could not encode the test file\n");
        return 1;
    }

    ::setenv("VT_AUDIO_OUTPUT", "null", 1);
    auto audio = platform::createNativeAudio();
    audio->init(-1, 44100);
    const double cpuBefore = cpuSeconds(RUSAGE_SELF);
    const auto wallBefore = std::chrono::steady_clock::now();
    const platform::StreamHandle h = audio->streamCreateFile(mp3);
    if (!h || !audio->channelPlay(h, false)) {
        std::fprintf(stderr, "the back-end could not play the test file\n");
        return 1;
    }
    float fft[1025];
    long ffts = 0;
    auto next = std::chrono::steady_clock::now();
    while (audio->channelIsActive(h) != platform::kChannelStopped) {
        if (audio->channelGetFft2048(h, fft) == 4096)
            ++ffts;
        audio->channelGetPosition(h);
        next += std::chrono::milliseconds(55);
        std::this_thread::sleep_until(next);
    }
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBefore).count();
    const double playCpu = cpuSeconds(RUSAGE_SELF) - cpuBefore;
    audio->streamFree(h);

    const double childBefore = cpuSeconds(RUSAGE_CHILDREN);
    audio_test::run({"lame", "--quiet", "--decode", mp3, (dir / "decoded.wav").string()});
    const double lameCpu = cpuSeconds(RUSAGE_CHILDREN) - childBefore;
    std::filesystem::remove_all(dir);

    std::printf("played %d s of MP3 in %.2f s on the null output, %ld spectra\n", seconds, wall, ffts);
    std::printf("back-end CPU: %.3f s = %.2f %% of one core\n", playCpu, 100.0 * playCpu / wall);
    std::printf("lame --decode CPU: %.3f s\n", lameCpu);
    std::printf("ratio back-end / lame: %.2f\n", lameCpu > 0 ? playCpu / lameCpu : 0.0);
    return 0;
}
