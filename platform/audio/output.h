#pragma once
// Where mixed sound goes: a sound server, a sound card, or a clock that consumes it in real
// time when there is neither. Used by the mixer thread alone.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace platform::audio {

class Output {
public:
    virtual ~Output() = default;
    // Queues stereo frames at 44.1 kHz, blocking while the device's buffer is full; false when
    // the device failed and cannot take more.
    virtual bool write(const float* stereo, size_t frames) = 0;
    // Frames written but not heard yet.
    virtual int64_t queuedFrames() = 0;
    virtual const char* name() const = 0;
};

std::unique_ptr<Output> openNullOutput();
std::unique_ptr<Output> openPulseOutput();  // null when no server answers
std::unique_ptr<Output> openAlsaOutput();   // null when the default device cannot be opened

// The environment variable that picks an output: "null" (tests, machines without sound),
// "pulse" or "alsa"; anything else tries them in that order: sound server, sound card, null.
inline constexpr const char* kOutputVariable = "VT_AUDIO_OUTPUT";
std::unique_ptr<Output> openOutput(const std::string& choice);
// With the null output, a file that receives everything it consumes as raw 16-bit stereo
// (what a listener would have heard: tests check volume and decoding through it).
inline constexpr const char* kCaptureVariable = "VT_AUDIO_CAPTURE";

// Float samples to 16-bit ones, clipped.
void toPcm16(const float* in, int16_t* out, size_t samples);

}  // namespace platform::audio
