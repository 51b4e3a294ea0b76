#pragma once
// The level meter's spectrum: a 2048-point FFT of a mono signal under a Hann window, scaled so
// that a full-scale sine on a bin's centre gives a magnitude of about 1.0.

#include <vector>

struct kiss_fftr_state;

namespace platform::audio {

inline constexpr int kFftSize = 2048;
inline constexpr int kFftBins = kFftSize / 2;

class Spectrum {
public:
    Spectrum();
    ~Spectrum();
    Spectrum(const Spectrum&) = delete;
    Spectrum& operator=(const Spectrum&) = delete;

    // kFftSize samples in, kFftBins magnitudes out (bin k is k x 44100 / 2048 Hz).
    void magnitudes(const float* samples, float* out);

private:
    kiss_fftr_state* cfg_;
    std::vector<float> window_;
    std::vector<float> windowed_;
    std::vector<float> bins_;  // kFftBins + 1 complex values, as pairs
    float scale_ = 0.0f;
};

}  // namespace platform::audio
