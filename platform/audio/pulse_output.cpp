#include <vector>

#include <pulse/error.h>
#include <pulse/simple.h>

#include "platform/audio/output.h"
#include "platform/audio/pcm_source.h"

namespace platform::audio {
namespace {

class PulseOutput final : public Output {
public:
    explicit PulseOutput(pa_simple* pa) : pa_(pa) {}
    ~PulseOutput() override { pa_simple_free(pa_); }

    bool write(const float* stereo, size_t frames) override {
        pcm_.resize(frames * 2);
        toPcm16(stereo, pcm_.data(), frames * 2);
        int err = 0;
        return pa_simple_write(pa_, pcm_.data(), pcm_.size() * sizeof(int16_t), &err) == 0;
    }

    int64_t queuedFrames() override {
        int err = 0;
        const pa_usec_t usec = pa_simple_get_latency(pa_, &err);
        return usec == static_cast<pa_usec_t>(-1) ? 0 : static_cast<int64_t>(usec * kOutputRate / 1000000);
    }

    const char* name() const override { return "pulse"; }

private:
    pa_simple* pa_;
    std::vector<int16_t> pcm_;
};

}  // namespace

std::unique_ptr<Output> openPulseOutput() {
    const pa_sample_spec format{PA_SAMPLE_S16LE, static_cast<uint32_t>(kOutputRate), 2};
    // A short target buffer (about 93 ms) keeps the level meter and the position close to what
    // is heard; the server's default holds two seconds.
    pa_buffer_attr attr{};
    attr.maxlength = static_cast<uint32_t>(-1);
    attr.tlength = 4096 * kBytesPerFrame;
    attr.prebuf = static_cast<uint32_t>(-1);
    attr.minreq = static_cast<uint32_t>(-1);
    attr.fragsize = static_cast<uint32_t>(-1);
    int err = 0;
    pa_simple* pa = pa_simple_new(nullptr, "VT-90", PA_STREAM_PLAYBACK, nullptr, "playback", &format,
                                  nullptr, &attr, &err);
    if (!pa)
        return nullptr;
    return std::make_unique<PulseOutput>(pa);
}

}  // namespace platform::audio
