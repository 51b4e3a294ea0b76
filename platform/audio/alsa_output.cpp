#include <cerrno>
#include <vector>

#include <alsa/asoundlib.h>

#include "platform/audio/output.h"
#include "platform/audio/pcm_source.h"

namespace platform::audio {
namespace {

// The library prints every failed probe to stderr; the player reports no audio failure.
void quiet(const char*, int, const char*, int, const char*, ...) {}

class AlsaOutput final : public Output {
public:
    explicit AlsaOutput(snd_pcm_t* pcm) : pcm_(pcm) {}
    ~AlsaOutput() override { snd_pcm_close(pcm_); }

    bool write(const float* stereo, size_t frames) override {
        pcm_buf_.resize(frames * 2);
        toPcm16(stereo, pcm_buf_.data(), frames * 2);
        size_t done = 0;
        int failures = 0;
        while (done < frames) {
            const snd_pcm_sframes_t n =
                snd_pcm_writei(pcm_, pcm_buf_.data() + 2 * done, frames - done);
            if (n >= 0) {
                done += static_cast<size_t>(n);
                continue;
            }
            if (++failures > 4 || snd_pcm_recover(pcm_, static_cast<int>(n), 1) < 0)
                return false;
        }
        return true;
    }

    int64_t queuedFrames() override {
        snd_pcm_sframes_t delay = 0;
        if (snd_pcm_delay(pcm_, &delay) < 0 || delay < 0)
            return 0;
        return delay;
    }

    const char* name() const override { return "alsa"; }

private:
    snd_pcm_t* pcm_;
    std::vector<int16_t> pcm_buf_;
};

}  // namespace

std::unique_ptr<Output> openAlsaOutput() {
    snd_lib_error_set_handler(quiet);
    snd_pcm_t* pcm = nullptr;
    if (snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, 0) < 0)
        return nullptr;
    // Software resampling allowed; 100 ms of buffer.
    if (snd_pcm_set_params(pcm, SND_PCM_FORMAT_S16_LE, SND_PCM_ACCESS_RW_INTERLEAVED, 2,
                           static_cast<unsigned>(kOutputRate), 1, 100000) < 0) {
        snd_pcm_close(pcm);
        return nullptr;
    }
    return std::make_unique<AlsaOutput>(pcm);
}

}  // namespace platform::audio
