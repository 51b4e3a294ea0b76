// Files on the real back-end (null output): lengths, positions, seeking, pause, end, volume,
// tags, spectrum and the files that must fail.

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "platform/audio/tests/audio_fixture.h"
#include "platform/audio/tests/fixtures.h"
#include "platform/text/codepage.h"

using namespace audio_test;
using platform::StreamHandle;

namespace {

constexpr int64_t kSecond = 176400;

class FilePlayback : public AudioTest {
protected:
    std::string wav(const std::string& name, const Tone& tone) {
        const std::string path = file(name);
        writeWav(path, tone);
        return path;
    }
    std::string mp3(const std::string& name, const Tone& tone, std::vector<std::string> args = {}) {
        const std::string source = file(name + ".source.wav");
        writeWav(source, tone);
        const std::string path = file(name);
        EXPECT_TRUE(encodeMp3(source, path, std::move(args))) << "lame could not encode " << name;
        return path;
    }
    bool ended(StreamHandle h) {
        return waitFor([&] { return audio->channelIsActive(h) == platform::kChannelStopped; });
    }
};

TEST_F(FilePlayback, LengthsAreExactInBytesOfStereo44100) {
    struct Case {
        std::string name;
        Tone tone;
        int64_t bytes;
        int64_t tolerance;  // resampled from another rate: within a frame or two
    } cases[] = {
        {"stereo.mp3", {44100, 2, 44100}, kSecond, 0},
        {"mono.mp3", {44100, 1, 22050}, kSecond / 2, 0},
        {"odd.mp3", {44100, 2, 12345}, 12345 * 4, 0},
        {"stereo.wav", {44100, 2, 30000}, 120000, 0},
        {"mono22.wav", {22050, 1, 11025}, kSecond / 2, 8},
        {"rate48.wav", {48000, 2, 48000}, kSecond, 8},
        {"rate22.mp3", {22050, 2, 22050}, kSecond, 8},
    };
    for (const auto& c : cases) {
        const std::string path = c.name.ends_with(".mp3") ? mp3(c.name, c.tone) : wav(c.name, c.tone);
        const StreamHandle h = audio->streamCreateFile(path);
        ASSERT_NE(h, 0u) << c.name;
        EXPECT_NEAR(static_cast<double>(audio->channelGetLength(h)), static_cast<double>(c.bytes),
                    static_cast<double>(c.tolerance))
            << c.name;
        EXPECT_EQ(audio->channelGetLength(h) % 4, 0) << c.name;
        EXPECT_EQ(audio->channelGetPosition(h), 0) << c.name;
        EXPECT_DOUBLE_EQ(audio->channelBytes2Seconds(h, kSecond * 3), 3.0);
        EXPECT_DOUBLE_EQ(audio->channelBytes2Seconds(h, -kSecond), -1.0);
        EXPECT_TRUE(audio->streamFree(h));
    }
}

TEST_F(FilePlayback, FormatIsToldByContentNotByName) {
    const std::string realMp3 = mp3("tone.mp3", {44100, 2, 4410});
    const std::string realWav = wav("tone.wav", {44100, 2, 4410});
    std::filesystem::copy_file(realMp3, file("looks-like.wav"));
    std::filesystem::copy_file(realWav, file("looks-like.mp3"));
    for (const char* name : {"looks-like.wav", "looks-like.mp3"}) {
        const StreamHandle h = audio->streamCreateFile(file(name));
        ASSERT_NE(h, 0u) << name;
        EXPECT_EQ(audio->channelGetLength(h), 4410 * 4) << name;
    }
}

TEST_F(FilePlayback, PathsAreInCodePage1251) {
    writeWav(file("песня.wav"), {44100, 2, 4410});
    const std::string path = platform::utf8ToCp1251(file("песня.wav"));
    ASSERT_NE(path, file("песня.wav")) << "the name is in 1251 bytes, not UTF-8";
    const StreamHandle h = audio->streamCreateFile(path);
    ASSERT_NE(h, 0u);
    EXPECT_EQ(audio->channelGetLength(h), 4410 * 4);
}

TEST_F(FilePlayback, WhatIsNoSoundFileFailsWithHandleZero) {
    auto write = [&](const std::string& name, const std::string& bytes) {
        std::ofstream(file(name), std::ios::binary) << bytes;
        return file(name);
    };
    const std::string midi = std::string("MThd\0\0\0\x06\0\0\0\x01\0\x60MTrk\0\0\0\x04\0\xFF\x2F\0", 26);
    std::string garbage;
    for (int i = 0; i < 2000; ++i)
        garbage += "this is no sound at all; ";
    std::string badMpeg = "ID3\x03";  // an ID3 header and then nothing that decodes
    badMpeg.resize(4096, 'x');
    std::filesystem::create_directory(file("folder.mp3"));
    for (const std::string& path : {write("song.mid", midi), write("garbage.mp3", garbage),
                                    write("empty.wav", ""), write("broken.mp3", badMpeg),
                                    file("missing.mp3"), file("folder.mp3"), std::string()}) {
        EXPECT_EQ(audio->streamCreateFile(path), 0u) << path;
    }
}

TEST_F(FilePlayback, PlaysToTheEndWherePositionIsTheLength) {
    const StreamHandle h = audio->streamCreateFile(mp3("short.mp3", {44100, 2, 13230}));
    ASSERT_NE(h, 0u);
    EXPECT_EQ(audio->channelIsActive(h), platform::kChannelStopped) << "created, not yet played";
    ASSERT_TRUE(audio->channelPlay(h, false));
    EXPECT_EQ(audio->channelIsActive(h), platform::kChannelPlaying);
    ASSERT_TRUE(ended(h));
    EXPECT_EQ(audio->channelGetPosition(h), 13230 * 4);
    float fft[1025];
    EXPECT_EQ(audio->channelGetFft2048(h, fft), -1) << "nothing plays any more";
    EXPECT_FALSE(audio->channelPause(h));
    // Playing an ended file starts it again.
    ASSERT_TRUE(audio->channelPlay(h, false));
    EXPECT_NE(audio->channelIsActive(h), platform::kChannelStopped);
    EXPECT_LT(audio->channelGetPosition(h), 13230 * 4);
}

TEST_F(FilePlayback, PauseHoldsThePositionAndPlayContinuesFromIt) {
    const StreamHandle h = audio->streamCreateFile(wav("long.wav", {44100, 2, 44100 * 4}));
    ASSERT_NE(h, 0u);
    ASSERT_TRUE(audio->channelPlay(h, false));
    ASSERT_TRUE(waitFor([&] { return audio->channelGetPosition(h) > 4410 * 4; }));
    ASSERT_TRUE(audio->channelPause(h));
    EXPECT_EQ(audio->channelIsActive(h), platform::kChannelPaused);
    // What was already sent to the output is still heard; then the position stands.
    int64_t held = -1;
    ASSERT_TRUE(waitFor([&] {
        const int64_t a = audio->channelGetPosition(h);
        std::this_thread::sleep_for(std::chrono::milliseconds(120));
        held = audio->channelGetPosition(h);
        return a == held;
    }));
    EXPECT_EQ(held % 4, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    EXPECT_EQ(audio->channelGetPosition(h), held);
    EXPECT_EQ(audio->channelIsActive(h), platform::kChannelPaused) << "a paused stream stays active";
    float fft[1025];
    EXPECT_EQ(audio->channelGetFft2048(h, fft), 4096);

    ASSERT_TRUE(audio->channelPlay(h, false));
    EXPECT_EQ(audio->channelIsActive(h), platform::kChannelPlaying);
    ASSERT_TRUE(waitFor([&] { return audio->channelGetPosition(h) > held; }));
    EXPECT_LT(audio->channelGetPosition(h), held + kSecond) << "continues, does not restart or skip";

    ASSERT_TRUE(audio->channelStop(h));
    EXPECT_EQ(audio->channelIsActive(h), platform::kChannelStopped);
}

// The bin of the spectrum's largest magnitude, and that magnitude.
std::pair<int, float> peak(const float* fft) {
    const float* top = std::max_element(fft, fft + 1024);
    return {static_cast<int>(top - fft), *top};
}

TEST_F(FilePlayback, SeekingLandsOnTheFrameAskedForAndPlaysWhatIsThere) {
    // One second at 430.7 Hz (bin 20 of the spectrum), then one second at 2002.6 Hz (bin 93).
    const Tone twoTones{44100, 2, 88200, 20 * 44100.0 / 2048, 0.5, 44100, 93 * 44100.0 / 2048};
    for (const std::string& path : {wav("tones.wav", twoTones), mp3("tones.mp3", twoTones)}) {
        const StreamHandle h = audio->streamCreateFile(path);
        ASSERT_NE(h, 0u) << path;
        const int64_t length = audio->channelGetLength(h);
        ASSERT_EQ(length, 88200 * 4) << path;
        EXPECT_FALSE(audio->channelSetPosition(h, length)) << "past the end";
        EXPECT_FALSE(audio->channelSetPosition(h, -4));
        EXPECT_EQ(audio->channelGetPosition(h), 0) << "a rejected position changes nothing";
        ASSERT_TRUE(audio->channelSetPosition(h, 50000 * 4 + 3));
        EXPECT_EQ(audio->channelGetPosition(h), 50000 * 4) << "whole frames only";

        ASSERT_TRUE(audio->channelPlay(h, false));
        ASSERT_TRUE(waitFor([&] { return audio->channelGetPosition(h) >= 50000 * 4 + 8192 * 4; }));
        float fft[1025];
        ASSERT_EQ(audio->channelGetFft2048(h, fft), 4096);
        EXPECT_EQ(peak(fft).first, 93) << path << ": the second tone plays";
        EXPECT_NEAR(peak(fft).second, 0.5f, 0.06f) << path;

        // Back into the first tone while playing.
        ASSERT_TRUE(audio->channelSetPosition(h, 1000 * 4));
        ASSERT_TRUE(waitFor([&] { return audio->channelGetPosition(h) >= 1000 * 4 + 8192 * 4; }));
        ASSERT_EQ(audio->channelGetFft2048(h, fft), 4096);
        EXPECT_EQ(peak(fft).first, 20) << path << ": the first tone plays";
        EXPECT_LT(audio->channelGetPosition(h), 44100 * 4);
        audio->streamFree(h);
    }
}

TEST_F(FilePlayback, VolumeScalesWhatIsHeard) {
    struct Case {
        float volume;
        float expectedPeak;  // of full scale; the tone is at 0.8
        bool accepted;
    } cases[] = {{1.0f, 0.8f, true}, {0.25f, 0.2f, true}, {0.0f, 0.0f, true},
                 {7.0f, 0.8f, true} /* held to 1 */, {NAN, 0.8f, false}};
    for (const auto& c : cases) {
        const StreamHandle h = audio->streamCreateFile(wav("v.wav", {44100, 2, 4410, 1000, 0.8}));
        ASSERT_NE(h, 0u);
        const size_t before = heard().size();
        EXPECT_EQ(audio->channelSetVolume(h, c.volume), c.accepted);
        ASSERT_TRUE(audio->channelPlay(h, false));
        ASSERT_TRUE(ended(h));
        const auto samples = heard();
        ASSERT_GT(samples.size(), before + 8000);
        int top = 0;
        for (size_t i = before; i < samples.size(); ++i)
            top = std::max(top, std::abs(static_cast<int>(samples[i])));
        EXPECT_NEAR(top / 32768.0, c.expectedPeak, 0.01) << "volume " << c.volume;
        audio->streamFree(h);
    }
}

TEST_F(FilePlayback, Id3v1BlockOfATaggedFileAndNoneOtherwise) {
    const StreamHandle tagged = audio->streamCreateFile(
        mp3("tagged.mp3", {44100, 2, 4410},
            {"--id3v1-only", "--tt", "Title Here", "--ta", "Some Artist", "--tl", "The Album", "--ty", "1999"}));
    ASSERT_NE(tagged, 0u);
    EXPECT_EQ(audio->channelGetLength(tagged), 4410 * 4) << "the tag is no sound";
    const auto block = audio->channelGetId3v1(tagged);
    ASSERT_TRUE(block);
    ASSERT_EQ(block->size(), 128u);
    auto field = [&](size_t offset, size_t size) {
        const std::string f = block->substr(offset, size);
        return f.substr(0, f.find('\0'));
    };
    EXPECT_EQ(block->substr(0, 3), "TAG");
    EXPECT_EQ(field(3, 30), "Title Here");
    EXPECT_EQ(field(33, 30), "Some Artist");
    EXPECT_EQ(field(63, 30), "The Album");
    EXPECT_EQ(field(93, 4), "1999");

    const StreamHandle plain = audio->streamCreateFile(mp3("plain.mp3", {44100, 2, 4410}));
    ASSERT_NE(plain, 0u);
    EXPECT_FALSE(audio->channelGetId3v1(plain));
    EXPECT_FALSE(audio->channelGetMeta(plain)) << "files carry no stream metadata";
}

TEST_F(FilePlayback, SpectrumOfAFullScaleSineIsAboutOneOnItsBin) {
    const StreamHandle h = audio->streamCreateFile(wav("sine.wav", {44100, 2, 44100, 64 * 44100.0 / 2048, 1.0}));
    ASSERT_NE(h, 0u);
    float fft[1025];
    EXPECT_EQ(audio->channelGetFft2048(h, fft), -1) << "not playing";
    ASSERT_TRUE(audio->channelSetVolume(h, 0.1f));
    ASSERT_TRUE(audio->channelPlay(h, false));
    ASSERT_TRUE(waitFor([&] { return audio->channelGetPosition(h) > 4096 * 4; }));
    fft[1024] = 12345.0f;
    ASSERT_EQ(audio->channelGetFft2048(h, fft), 4096);
    EXPECT_EQ(peak(fft).first, 64);
    EXPECT_NEAR(peak(fft).second, 1.0f, 0.02f) << "measured before the volume";
    EXPECT_EQ(fft[1024], 12345.0f) << "1024 magnitudes, no more";
}

TEST_F(FilePlayback, AFileDeletedWhilePlayingPlaysToItsEnd) {
    const std::string path = mp3("doomed.mp3", {44100, 2, 22050});
    const StreamHandle h = audio->streamCreateFile(path);
    ASSERT_NE(h, 0u);
    ASSERT_TRUE(audio->channelPlay(h, false));
    ASSERT_TRUE(waitFor([&] { return audio->channelGetPosition(h) > 0; }));
    std::filesystem::remove(path);
    ASSERT_TRUE(ended(h));
    EXPECT_EQ(audio->channelGetPosition(h), 22050 * 4);
    EXPECT_EQ(audio->streamCreateFile(path), 0u) << "gone for a new stream";
}

TEST_F(FilePlayback, EveryCallOnHandleZeroOrAFreedHandleFailsHarmlessly) {
    const StreamHandle freed = audio->streamCreateFile(wav("x.wav", {44100, 2, 4410}));
    ASSERT_NE(freed, 0u);
    ASSERT_TRUE(audio->channelPlay(freed, false));
    ASSERT_TRUE(audio->streamFree(freed));
    for (StreamHandle h : {StreamHandle{0}, freed, StreamHandle{0xFFFFFFFF}}) {
        float fft[1025];
        EXPECT_FALSE(audio->streamFree(h));
        EXPECT_FALSE(audio->channelPlay(h, false));
        EXPECT_FALSE(audio->channelPause(h));
        EXPECT_FALSE(audio->channelStop(h));
        EXPECT_EQ(audio->channelIsActive(h), platform::kChannelStopped);
        EXPECT_FALSE(audio->channelSetVolume(h, 0.5f));
        EXPECT_FALSE(audio->channelSetPosition(h, 0));
        EXPECT_EQ(audio->channelGetPosition(h), -1);
        EXPECT_EQ(audio->channelGetLength(h), -1);
        EXPECT_LT(audio->channelBytes2Seconds(h, 176400), 0.0);
        EXPECT_EQ(audio->channelGetFft2048(h, fft), -1);
        EXPECT_FALSE(audio->channelGetId3v1(h));
        EXPECT_FALSE(audio->channelGetMeta(h));
    }
    const StreamHandle next = audio->streamCreateFile(wav("y.wav", {44100, 2, 4410}));
    EXPECT_NE(next, freed) << "handles are not reused";
}

}  // namespace
