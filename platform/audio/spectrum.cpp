#include "platform/audio/spectrum.h"

#include <cmath>
#include <numbers>

#include <kiss_fftr.h>

namespace platform::audio {

Spectrum::Spectrum()
    : cfg_(kiss_fftr_alloc(kFftSize, 0, nullptr, nullptr)),
      window_(kFftSize),
      windowed_(kFftSize),
      bins_(2 * (kFftBins + 1)) {
    double sum = 0.0;
    for (int n = 0; n < kFftSize; ++n) {
        // The periodic form: its sum is exactly half the size.
        window_[n] = static_cast<float>(0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * n / kFftSize));
        sum += window_[n];
    }
    scale_ = static_cast<float>(2.0 / sum);
}

Spectrum::~Spectrum() { kiss_fftr_free(cfg_); }

void Spectrum::magnitudes(const float* samples, float* out) {
    for (int n = 0; n < kFftSize; ++n)
        windowed_[n] = samples[n] * window_[n];
    auto* freq = reinterpret_cast<kiss_fft_cpx*>(bins_.data());
    kiss_fftr(cfg_, windowed_.data(), freq);
    for (int k = 0; k < kFftBins; ++k)
        out[k] = std::hypot(freq[k].r, freq[k].i) * scale_;
}

}  // namespace platform::audio
