#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <thread>
#include <vector>

#include "platform/audio/output.h"
#include "platform/audio/pcm_source.h"

namespace platform::audio {
namespace {

// Consumes frames at the output rate against the steady clock, as a card with a buffer of
// about 46 ms would, so that positions advance and streams end as they would when heard.
class NullOutput final : public Output {
public:
    explicit NullOutput(std::FILE* capture) : capture_(capture) {}
    ~NullOutput() override {
        if (capture_)
            std::fclose(capture_);
    }

    bool write(const float* stereo, size_t frames) override {
        if (capture_) {
            pcm_.resize(frames * 2);
            toPcm16(stereo, pcm_.data(), frames * 2);
            std::fwrite(pcm_.data(), sizeof(int16_t), pcm_.size(), capture_);
            std::fflush(capture_);
        }
        const auto now = Clock::now();
        if (!started_ || queuedAt(now) <= 0) {
            // Idle or starved: playing starts now, as a card's does after an underrun.
            origin_ = now - framesToDuration(written_);
            started_ = true;
        }
        written_ += static_cast<int64_t>(frames);
        std::this_thread::sleep_until(origin_ + framesToDuration(written_ - kBufferFrames));
        return true;
    }

    int64_t queuedFrames() override { return started_ ? std::max<int64_t>(0, queuedAt(Clock::now())) : 0; }
    const char* name() const override { return "null"; }

private:
    using Clock = std::chrono::steady_clock;
    static constexpr int64_t kBufferFrames = 2048;

    static Clock::duration framesToDuration(int64_t frames) {
        return std::chrono::duration_cast<Clock::duration>(
            std::chrono::duration<double>(static_cast<double>(frames) / kOutputRate));
    }
    int64_t queuedAt(Clock::time_point now) const {
        const double played = std::chrono::duration<double>(now - origin_).count() * kOutputRate;
        return written_ - static_cast<int64_t>(played);
    }

    std::FILE* capture_;
    std::vector<int16_t> pcm_;
    bool started_ = false;
    Clock::time_point origin_{};
    int64_t written_ = 0;
};

}  // namespace

std::unique_ptr<Output> openNullOutput() {
    const char* capture = std::getenv(kCaptureVariable);
    return std::make_unique<NullOutput>(capture && *capture ? std::fopen(capture, "wb") : nullptr);
}

void toPcm16(const float* in, int16_t* out, size_t samples) {
    for (size_t i = 0; i < samples; ++i) {
        float v = in[i] * 32768.0f;
        v = v > 32767.0f ? 32767.0f : (v < -32768.0f ? -32768.0f : v);
        out[i] = static_cast<int16_t>(v);
    }
}

std::unique_ptr<Output> openOutput(const std::string& choice) {
    if (choice == "null")
        return openNullOutput();
    if (choice != "alsa")
        if (auto pulse = openPulseOutput())
            return pulse;
    if (choice != "pulse")
        if (auto alsa = openAlsaOutput())
            return alsa;
    return openNullOutput();
}

}  // namespace platform::audio
