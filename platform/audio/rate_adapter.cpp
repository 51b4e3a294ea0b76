#include "platform/audio/rate_adapter.h"

#include <algorithm>
#include <cstring>

#include <syn123.h>

#include "platform/audio/pcm_source.h"

namespace platform::audio {

RateAdapter::~RateAdapter() {
    if (resampler_)
        syn123_del(resampler_);
}

bool RateAdapter::setFormat(long rate, int channels) {
    if (rate <= 0 || channels <= 0 || rate > syn123_resample_maxrate())
        return false;
    if (rate == rate_ && channels == channels_)
        return true;
    rate_ = rate;
    channels_ = channels;
    if (rate_ == kOutputRate) {
        if (resampler_)
            syn123_del(resampler_);
        resampler_ = nullptr;
        return true;
    }
    if (!resampler_) {
        int err = 0;
        resampler_ = syn123_new(kOutputRate, 2, MPG123_ENC_FLOAT_32, 0, &err);
        if (!resampler_)
            return false;
    }
    // Dirty mode: -72 dB is far below what 16-bit output of a player needs to hide.
    return syn123_setup_resample(resampler_, rate_, kOutputRate, 2, 1, 0) == SYN123_OK;
}

void RateAdapter::reset() {
    queue_.clear();
    head_ = 0;
    if (resampler_) {
        // Changing only the rates keeps the filter history; clearing and setting up anew drops it.
        syn123_setup_resample(resampler_, 0, 0, 0, 1, 0);
        syn123_setup_resample(resampler_, rate_, kOutputRate, 2, 1, 0);
    }
}

void RateAdapter::push(const float* in, size_t frames) {
    if (channels_ <= 0 || frames == 0)
        return;
    stereo_.resize(frames * 2);
    for (size_t i = 0; i < frames; ++i) {
        const float* f = in + i * static_cast<size_t>(channels_);
        stereo_[2 * i] = f[0];
        stereo_[2 * i + 1] = channels_ > 1 ? f[1] : f[0];
    }
    if (head_ > 0 && head_ == queue_.size()) {
        queue_.clear();
        head_ = 0;
    } else if (head_ > 65536) {
        queue_.erase(queue_.begin(), queue_.begin() + static_cast<std::ptrdiff_t>(head_));
        head_ = 0;
    }
    if (!resampler_) {
        queue_.insert(queue_.end(), stereo_.begin(), stereo_.end());
        return;
    }
    const size_t most = std::max<size_t>(1, syn123_resample_maxincount(rate_, kOutputRate));
    for (size_t done = 0; done < frames;) {
        const size_t n = std::min(most, frames - done);
        resampled_.resize(syn123_resample_count(rate_, kOutputRate, n) * 2);
        const size_t out = syn123_resample(resampler_, resampled_.data(), stereo_.data() + 2 * done, n);
        queue_.insert(queue_.end(), resampled_.begin(),
                      resampled_.begin() + static_cast<std::ptrdiff_t>(out * 2));
        done += n;
    }
}

size_t RateAdapter::pull(float* stereo, size_t frames) {
    const size_t n = std::min(frames, queued());
    std::memcpy(stereo, queue_.data() + head_, n * 2 * sizeof(float));
    head_ += n * 2;
    return n;
}

}  // namespace platform::audio
