#pragma once
// A back-end of the test's own on the null output, its sound captured to a file, and a fresh
// folder for fixtures.

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "platform/audio/native_audio.h"
#include "platform/tests/temp_folder.h"

namespace audio_test {

// Polls until the condition holds; false when it did not within the limit.
inline bool waitFor(const std::function<bool()>& condition,
                    std::chrono::milliseconds limit = std::chrono::seconds(10)) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        if (condition())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return condition();
}

class AudioTest : public ::testing::Test {
protected:
    AudioTest() {
        ::setenv("VT_AUDIO_OUTPUT", "null", 1);
        ::setenv("VT_AUDIO_CAPTURE", capturePath().c_str(), 1);
        audio = platform::createNativeAudio();
        audio->init(-1, 44100);
    }
    ~AudioTest() override { audio.reset(); }

    std::string file(const std::string& name) const { return (dir.path() / name).string(); }
    std::string capturePath() const { return file("heard.raw"); }

    // The samples the null output consumed so far (16-bit, left and right interleaved).
    std::vector<int16_t> heard() const {
        std::ifstream f(capturePath(), std::ios::binary);
        std::vector<char> bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
        std::vector<int16_t> samples(bytes.size() / 2);
        if (!samples.empty())
            std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
        return samples;
    }

    TempFolder dir;
    std::unique_ptr<platform::Audio> audio;
};

}  // namespace audio_test
