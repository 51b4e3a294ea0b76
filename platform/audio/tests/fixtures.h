#pragma once
// Sound files made by the tests themselves: tones written as WAV, MP3s encoded by lame.

#include <string>
#include <vector>

namespace audio_test {

struct Tone {
    int rate = 44100;
    int channels = 2;
    long frames = 44100;
    double frequency = 1000.0;
    double amplitude = 0.5;  // of full scale
    long switchAt = -1;       // from this frame on, the sine has the second frequency
    double secondFrequency = 0.0;
};

// A 16-bit PCM WAV file of a sine.
void writeWav(const std::string& path, const Tone& tone);

// Runs a program and waits for it; its exit code, or -1 when it could not run.
int run(const std::vector<std::string>& argv);

// Encodes a WAV file with lame (extra arguments such as tags before the file names); true on
// success.
bool encodeMp3(const std::string& wav, const std::string& mp3, std::vector<std::string> args = {});

// A program running in the background for the length of a test, its output in a log file,
// killed when the test ends. `environment` entries ("NAME=value") are added to the test's own.
class Background {
public:
    Background(const std::vector<std::string>& argv, const std::string& log,
               const std::vector<std::string>& environment = {});
    ~Background() { kill(); }
    Background(const Background&) = delete;
    Background& operator=(const Background&) = delete;
    bool started() const { return pid_ > 0; }
    void kill();

private:
    int pid_ = 0;
};

}  // namespace audio_test
