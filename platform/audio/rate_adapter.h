#pragma once
// Turns decoded frames of any rate and channel count into stereo frames at the output rate,
// kept in a small queue the source hands out from.

#include <cstddef>
#include <vector>

struct syn123_struct;

namespace platform::audio {

class RateAdapter {
public:
    RateAdapter() = default;
    ~RateAdapter();
    RateAdapter(const RateAdapter&) = delete;
    RateAdapter& operator=(const RateAdapter&) = delete;

    // A new input format; false for one the resampler cannot take. Queued output is kept.
    bool setFormat(long rate, int channels);
    // Forgets queued output and the resampler's history (after a seek).
    void reset();

    // Converts `frames` interleaved frames of the current format and queues the result.
    void push(const float* interleaved, size_t frames);
    // Hands out up to `frames` queued stereo frames.
    size_t pull(float* stereo, size_t frames);
    size_t queued() const { return (queue_.size() - head_) / 2; }

    long rate() const { return rate_; }
    int channels() const { return channels_; }

private:
    long rate_ = 0;
    int channels_ = 0;
    syn123_struct* resampler_ = nullptr;  // only when the rate differs from the output's
    std::vector<float> stereo_;
    std::vector<float> resampled_;
    std::vector<float> queue_;
    size_t head_ = 0;
};

}  // namespace platform::audio
