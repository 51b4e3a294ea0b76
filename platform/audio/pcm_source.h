#pragma once
// What the mixer pulls from: decoded sound as interleaved stereo float frames at the output
// rate, whatever the file or stream held.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace platform::audio {

inline constexpr long kOutputRate = 44100;
inline constexpr int kBytesPerFrame = 4;  // 16-bit stereo: what positions and lengths count

class PcmSource {
public:
    virtual ~PcmSource() = default;

    // Fills up to `frames` stereo frames; fewer means the source is waiting for data or has
    // ended (ended() tells which).
    virtual size_t read(float* stereo, size_t frames) = 0;
    virtual bool ended() const = 0;

    // Frames in the whole source, -1 when unknown (network streams).
    virtual int64_t lengthFrames() const { return -1; }
    // Moves to a frame; false (and nothing changed) when the source cannot.
    virtual bool seek(int64_t) { return false; }
    // The last stream metadata text, for sources that carry one.
    virtual std::optional<std::string> meta() const { return std::nullopt; }
};

}  // namespace platform::audio
