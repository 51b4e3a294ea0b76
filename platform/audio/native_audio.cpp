#include "platform/audio/native_audio.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdlib>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/audio/file_probe.h"
#include "platform/audio/file_source.h"
#include "platform/audio/network_source.h"
#include "platform/audio/output.h"
#include "platform/audio/pcm_source.h"
#include "platform/audio/spectrum.h"
#include "platform/text/codepage.h"

namespace platform {
namespace {

using namespace platform::audio;
using Clock = std::chrono::steady_clock;

// Frames mixed per turn of the mixer: about 23 ms.
constexpr size_t kPeriod = 1024;
// Mono frames kept per stream for the spectrum; must cover the output's latency plus one FFT.
constexpr int64_t kHistory = 32768;

enum class Run { Idle, Playing, Paused, Stopped };

struct Stream {
    // The source is touched only under sourceMutex (decoding and seeking); everything else
    // under the back-end's mutex. Lock order: sourceMutex first.
    std::mutex sourceMutex;
    std::unique_ptr<PcmSource> source;

    bool network = false;
    int64_t length = -1;  // frames
    std::optional<std::string> id3v1;
    Run run = Run::Idle;
    bool sourceEnded = false;
    bool stalled = false;
    float volume = 1.0f;
    int64_t base = 0;     // frame at which counting last restarted (start or seek)
    int64_t written = 0;  // frames handed to the output since then
    int64_t lastEnd = 0;  // the output's frame count just after this stream's last frame
    std::vector<float> history = std::vector<float>(kHistory, 0.0f);  // mono, by written % kHistory
};

class NativeAudio final : public Audio {
public:
    ~NativeAudio() override {
        {
            std::lock_guard lock(mutex_);
            quit_ = true;
        }
        wake_.notify_all();
        if (thread_.joinable())
            thread_.join();
    }

    // Read by nativeAudioOutput from any thread.
    std::atomic<const char*> outputName_{""};

    bool init(int, int) override {
        startMixer();
        return true;
    }

    StreamHandle streamCreateUrl(const std::string& url) override {
        auto source = openNetworkSource(url);
        if (!source)
            return 0;
        auto s = std::make_shared<Stream>();
        s->network = true;
        s->source = std::move(source);
        return add(std::move(s));
    }

    StreamHandle streamCreateFile(const std::string& path) override {
        const std::string osPath = cp1251ToUtf8(path);
        const FileProbe probe = probeFile(osPath);
        if (!probe.readable)
            return 0;
        auto source = openFileSource(osPath, probe.kind);
        if (!source)
            return 0;
        auto s = std::make_shared<Stream>();
        s->length = source->lengthFrames();
        s->id3v1 = probe.id3v1;
        s->source = std::move(source);
        return add(std::move(s));
    }

    bool streamFree(StreamHandle h) override {
        std::shared_ptr<Stream> gone;
        {
            std::lock_guard lock(mutex_);
            auto it = streams_.find(h);
            if (it == streams_.end())
                return false;
            gone = std::move(it->second);
            streams_.erase(it);
        }
        // The transfer thread of a network stream is stopped here, on the caller's thread, when
        // the mixer is not holding the stream at this moment.
        std::lock_guard sourceLock(gone->sourceMutex);
        gone->source.reset();
        return true;
    }

    bool channelPlay(StreamHandle h, bool restart) override {
        auto s = find(h);
        if (!s)
            return false;
        std::lock_guard sourceLock(s->sourceMutex);
        std::unique_lock lock(mutex_);
        if (!s->source)
            return false;
        if (restart || (s->sourceEnded && drained(*s))) {
            // An ended file starts again from its beginning; a network stream cannot.
            if (s->network || !s->source->seek(0))
                return false;
            restartAt(*s, 0);
        }
        s->run = Run::Playing;
        lock.unlock();
        startMixer();
        wake_.notify_all();
        return true;
    }

    bool channelPause(StreamHandle h) override {
        std::lock_guard lock(mutex_);
        auto* s = get(h);
        if (!s || activity(*s) == kChannelStopped || s->run == Run::Paused)
            return false;
        s->run = Run::Paused;
        return true;
    }

    bool channelStop(StreamHandle h) override {
        std::lock_guard lock(mutex_);
        auto* s = get(h);
        if (!s)
            return false;
        s->run = Run::Stopped;
        return true;
    }

    int channelIsActive(StreamHandle h) override {
        std::lock_guard lock(mutex_);
        auto* s = get(h);
        return s ? activity(*s) : kChannelStopped;
    }

    bool channelSetVolume(StreamHandle h, float volume) override {
        std::lock_guard lock(mutex_);
        auto* s = get(h);
        if (!s || !std::isfinite(volume))
            return false;
        s->volume = std::clamp(volume, 0.0f, 1.0f);
        return true;
    }

    bool channelSetPosition(StreamHandle h, int64_t bytes) override {
        auto s = find(h);
        if (!s || bytes < 0)
            return false;
        std::lock_guard sourceLock(s->sourceMutex);
        std::lock_guard lock(mutex_);
        if (!s->source || s->network || bytes >= s->length * kBytesPerFrame)
            return false;
        const int64_t frame = bytes / kBytesPerFrame;
        const bool wasOver = s->sourceEnded && drained(*s);
        if (!s->source->seek(frame))
            return false;
        restartAt(*s, frame);
        // A seek does not bring an ended stream back to life; playing it again does.
        if (wasOver && s->run == Run::Playing)
            s->run = Run::Stopped;
        wake_.notify_all();
        return true;
    }

    int64_t channelGetPosition(StreamHandle h) override {
        std::lock_guard lock(mutex_);
        auto* s = get(h);
        return s ? heardFrame(*s) * kBytesPerFrame : -1;
    }

    int64_t channelGetLength(StreamHandle h) override {
        std::lock_guard lock(mutex_);
        auto* s = get(h);
        return s && s->length >= 0 ? s->length * kBytesPerFrame : -1;
    }

    double channelBytes2Seconds(StreamHandle h, int64_t bytes) override {
        std::lock_guard lock(mutex_);
        if (!get(h))
            return -1.0;
        return static_cast<double>(bytes) / (kOutputRate * kBytesPerFrame);
    }

    int channelGetFft2048(StreamHandle h, float* out) override {
        std::vector<float> samples(kFftSize, 0.0f);
        {
            std::lock_guard lock(mutex_);
            auto* s = get(h);
            if (!s || activity(*s) == kChannelStopped)
                return -1;
            // The 2048 frames that end at what is being heard now.
            const int64_t end = heardFrame(*s) - s->base;
            for (int i = 0; i < kFftSize; ++i) {
                const int64_t at = end - kFftSize + i;
                if (at >= 0 && at < s->written && s->written - at <= kHistory)
                    samples[static_cast<size_t>(i)] = s->history[static_cast<size_t>(at % kHistory)];
            }
        }
        std::lock_guard lock(spectrumMutex_);
        spectrum_.magnitudes(samples.data(), out);
        return kFftBins * static_cast<int>(sizeof(float));
    }

    std::optional<std::string> channelGetId3v1(StreamHandle h) override {
        std::lock_guard lock(mutex_);
        auto* s = get(h);
        return s ? s->id3v1 : std::nullopt;
    }

    std::optional<std::string> channelGetMeta(StreamHandle h) override {
        auto s = find(h);
        if (!s || !s->network)
            return std::nullopt;
        std::lock_guard sourceLock(s->sourceMutex);
        return s->source ? s->source->meta() : std::nullopt;
    }

private:
    StreamHandle add(std::shared_ptr<Stream> s) {
        std::lock_guard lock(mutex_);
        do {
            ++next_;
        } while (next_ == 0 || streams_.count(next_));
        streams_[next_] = std::move(s);
        return next_;
    }

    std::shared_ptr<Stream> find(StreamHandle h) {
        std::lock_guard lock(mutex_);
        auto it = streams_.find(h);
        return it == streams_.end() ? nullptr : it->second;
    }
    Stream* get(StreamHandle h) {
        auto it = streams_.find(h);
        return it == streams_.end() ? nullptr : it->second.get();
    }

    void restartAt(Stream& s, int64_t frame) {
        s.base = frame;
        s.written = 0;
        s.lastEnd = 0;
        s.sourceEnded = false;
        s.stalled = false;
    }

    // Frames the output holds now (estimated from its last answer and the clock).
    int64_t queuedNow() const {
        const double since = std::chrono::duration<double>(Clock::now() - queuedStamp_).count();
        return std::max<int64_t>(0, queued_ - static_cast<int64_t>(since * kOutputRate));
    }
    // Of this stream's frames, those still waiting in the output.
    int64_t stillQueued(const Stream& s) const {
        if (s.written == 0)
            return 0;
        return std::clamp<int64_t>(queuedNow() - (outputFrames_ - s.lastEnd), 0, s.written);
    }
    int64_t heardFrame(const Stream& s) const { return s.base + s.written - stillQueued(s); }
    bool drained(const Stream& s) const { return stillQueued(s) == 0; }

    int activity(const Stream& s) const {
        if (!s.source)
            return kChannelStopped;
        switch (s.run) {
        case Run::Idle:
        case Run::Stopped:
            return kChannelStopped;
        case Run::Paused:
            return kChannelPaused;
        case Run::Playing:
            if (s.sourceEnded)
                return drained(s) ? kChannelStopped : kChannelPlaying;
            return s.stalled ? kChannelStalled : kChannelPlaying;
        }
        return kChannelStopped;
    }

    void startMixer() {
        std::lock_guard lock(mutex_);
        if (thread_.joinable())
            return;
        const char* choice = std::getenv(kOutputVariable);
        output_ = openOutput(choice ? choice : "");
        outputName_ = output_->name();
        thread_ = std::thread([this] { mix(); });
    }

    void mix() {
        std::vector<float> mixed(kPeriod * 2), part(kPeriod * 2);
        std::vector<std::shared_ptr<Stream>> sounding;
        for (;;) {
            sounding.clear();
            {
                std::unique_lock lock(mutex_);
                if (quit_)
                    return;
                // Streams that still have sound to give, or whose last sound is still queued.
                for (auto& [h, s] : streams_)
                    if (s->run == Run::Playing && s->source && (!s->sourceEnded || !drained(*s)))
                        sounding.push_back(s);
                if (sounding.empty()) {
                    wake_.wait_for(lock, std::chrono::milliseconds(100));
                    continue;
                }
            }
            std::fill(mixed.begin(), mixed.end(), 0.0f);
            for (auto& s : sounding) {
                std::lock_guard sourceLock(s->sourceMutex);
                if (!s->source)
                    continue;
                {
                    std::lock_guard lock(mutex_);
                    if (s->run != Run::Playing || s->sourceEnded)
                        continue;
                }
                const size_t n = s->source->read(part.data(), kPeriod);
                std::lock_guard lock(mutex_);
                s->sourceEnded = s->source->ended();
                s->stalled = n < kPeriod && !s->sourceEnded;
                for (size_t i = 0; i < n; ++i) {
                    const float l = part[2 * i], r = part[2 * i + 1];
                    s->history[static_cast<size_t>((s->written + static_cast<int64_t>(i)) % kHistory)] =
                        0.5f * (l + r);
                    mixed[2 * i] += l * s->volume;
                    mixed[2 * i + 1] += r * s->volume;
                }
                if (n > 0) {
                    s->written += static_cast<int64_t>(n);
                    s->lastEnd = outputFrames_ + static_cast<int64_t>(n);
                }
            }
            if (!output_->write(mixed.data(), kPeriod)) {
                // The device went away: the sound goes on, unheard, so positions and ends stay true.
                output_ = openNullOutput();
                outputName_ = output_->name();
            }
            const int64_t queued = output_->queuedFrames();
            std::lock_guard lock(mutex_);
            outputFrames_ += static_cast<int64_t>(kPeriod);
            queued_ = queued;
            queuedStamp_ = Clock::now();
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::map<StreamHandle, std::shared_ptr<Stream>> streams_;
    StreamHandle next_ = 0;
    bool quit_ = false;
    std::thread thread_;
    std::unique_ptr<Output> output_;  // the mixer thread's once started
    int64_t outputFrames_ = 0;
    int64_t queued_ = 0;
    Clock::time_point queuedStamp_ = Clock::now();

    std::mutex spectrumMutex_;
    Spectrum spectrum_;
};

}  // namespace

std::unique_ptr<Audio> createNativeAudio() { return std::make_unique<NativeAudio>(); }

std::string nativeAudioOutput(Audio& audio) {
    auto* native = dynamic_cast<NativeAudio*>(&audio);
    return native ? native->outputName_.load() : "";
}

Audio& nativeAudio() {
    static NativeAudio audio;
    return audio;
}

}  // namespace platform
