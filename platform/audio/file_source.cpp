#include "platform/audio/file_source.h"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <vector>

#include <mpg123.h>
#include <sndfile.h>
#include <syn123.h>

#include "platform/audio/rate_adapter.h"

namespace platform::audio {
namespace {

// A decoder of one file at its own rate and channel count.
class Decoder {
public:
    virtual ~Decoder() = default;
    virtual long rate() const = 0;
    virtual int channels() const = 0;
    virtual int64_t lengthFrames() const = 0;
    // Up to `frames` frames into buf (frames x channels floats); 0 at the end or on an error.
    virtual size_t decode(std::vector<float>& buf) = 0;
    virtual bool seek(int64_t frame) = 0;
};

class MpegDecoder final : public Decoder {
public:
    ~MpegDecoder() override {
        if (mh_) {
            mpg123_close(mh_);
            mpg123_delete(mh_);
        }
    }

    bool open(const std::string& path) {
        static std::once_flag once;
        std::call_once(once, [] { mpg123_init(); });
        mh_ = mpg123_new(nullptr, nullptr);
        if (!mh_)
            return false;
        mpg123_param(mh_, MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_GAPLESS, 0.0);
        // Float output at the file's own rate: the resampler after it takes floats.
        mpg123_format_none(mh_);
        const long* rates = nullptr;
        size_t count = 0;
        mpg123_rates(&rates, &count);
        for (size_t i = 0; i < count; ++i)
            mpg123_format(mh_, rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_FLOAT_32);
        if (mpg123_open(mh_, path.c_str()) != MPG123_OK)
            return false;
        // Every frame is visited once so that the length is exact, whatever the headers claim.
        if (mpg123_scan(mh_) != MPG123_OK)
            return false;
        int encoding = 0;
        if (mpg123_getformat(mh_, &rate_, &channels_, &encoding) != MPG123_OK ||
            encoding != MPG123_ENC_FLOAT_32)
            return false;
        length_ = mpg123_length(mh_);
        return length_ > 0 && channels_ > 0;
    }

    long rate() const override { return rate_; }
    int channels() const override { return channels_; }
    int64_t lengthFrames() const override { return length_; }

    size_t decode(std::vector<float>& buf) override {
        buf.resize(std::max<size_t>(mpg123_outblock(mh_), 4096) / sizeof(float));
        for (int tries = 0; tries < 64; ++tries) {
            size_t done = 0;
            const int rc = mpg123_read(mh_, buf.data(), buf.size() * sizeof(float), &done);
            if (rc == MPG123_NEW_FORMAT) {
                int encoding = 0;
                mpg123_getformat(mh_, &rate_, &channels_, &encoding);
            }
            const size_t frames = done / (sizeof(float) * static_cast<size_t>(channels_));
            if (frames > 0)
                return frames;
            if (rc != MPG123_OK && rc != MPG123_NEW_FORMAT)
                return 0;  // the end, or a file that broke while playing
        }
        return 0;
    }

    bool seek(int64_t frame) override { return mpg123_seek(mh_, frame, SEEK_SET) >= 0; }

private:
    mpg123_handle* mh_ = nullptr;
    long rate_ = 0;
    int channels_ = 0;
    int64_t length_ = 0;
};

class SndfileDecoder final : public Decoder {
public:
    ~SndfileDecoder() override {
        if (sf_)
            sf_close(sf_);
    }

    bool open(const std::string& path) {
        sf_ = sf_open(path.c_str(), SFM_READ, &info_);
        if (!sf_)
            return false;
        // MPEG audio goes through the exact-length decoder only (a name it could not see
        // through its content falls here and is refused).
        if ((info_.format & SF_FORMAT_TYPEMASK) == SF_FORMAT_MPEG)
            return false;
        return info_.frames > 0 && info_.channels > 0 && info_.samplerate > 0;
    }

    long rate() const override { return info_.samplerate; }
    int channels() const override { return info_.channels; }
    int64_t lengthFrames() const override { return info_.frames; }

    size_t decode(std::vector<float>& buf) override {
        const sf_count_t frames = 2048;
        buf.resize(static_cast<size_t>(frames) * static_cast<size_t>(info_.channels));
        const sf_count_t got = sf_readf_float(sf_, buf.data(), frames);
        return got > 0 ? static_cast<size_t>(got) : 0;
    }

    bool seek(int64_t frame) override { return sf_seek(sf_, frame, SEEK_SET) == frame; }

private:
    SNDFILE* sf_ = nullptr;
    SF_INFO info_{};
};

// Hands out exactly lengthFrames() frames: a resampler's rounding, or a file that shrank while
// playing, never moves the end away from the length that was announced.
class FileSource final : public PcmSource {
public:
    explicit FileSource(std::unique_ptr<Decoder> decoder) : decoder_(std::move(decoder)) {}

    bool start() {
        if (!adapter_.setFormat(decoder_->rate(), decoder_->channels()))
            return false;
        nativeRate_ = decoder_->rate();
        length_ = nativeRate_ == kOutputRate
                      ? decoder_->lengthFrames()
                      : syn123_resample_total(nativeRate_, kOutputRate, decoder_->lengthFrames());
        return length_ > 0;
    }

    size_t read(float* out, size_t frames) override {
        size_t got = 0;
        while (got < frames && position_ < length_) {
            const size_t want = static_cast<size_t>(
                std::min<int64_t>(static_cast<int64_t>(frames - got), length_ - position_));
            if (adapter_.queued() == 0) {
                if (decoderDone_) {
                    std::fill(out + 2 * got, out + 2 * (got + want), 0.0f);
                    got += want;
                    position_ += static_cast<int64_t>(want);
                    continue;
                }
                const size_t n = decoder_->decode(native_);
                if (n == 0) {
                    decoderDone_ = true;
                } else if (adapter_.setFormat(decoder_->rate(), decoder_->channels())) {
                    adapter_.push(native_.data(), n);
                }
                continue;
            }
            const size_t n = adapter_.pull(out + 2 * got, want);
            got += n;
            position_ += static_cast<int64_t>(n);
        }
        return got;
    }

    bool ended() const override { return position_ >= length_; }
    int64_t lengthFrames() const override { return length_; }

    bool seek(int64_t frame) override {
        if (frame < 0 || frame >= length_)
            return false;
        const int64_t native = nativeRate_ == kOutputRate
                                   ? frame
                                   : syn123_resample_intotal(nativeRate_, kOutputRate, frame);
        if (native < 0 || !decoder_->seek(native))
            return false;
        adapter_.reset();
        // The resampler starts afresh, so its output is counted from the frame asked for.
        position_ = frame;
        decoderDone_ = false;
        return true;
    }

private:
    std::unique_ptr<Decoder> decoder_;
    RateAdapter adapter_;
    std::vector<float> native_;
    long nativeRate_ = 0;
    int64_t length_ = 0;
    int64_t position_ = 0;
    bool decoderDone_ = false;
};

}  // namespace

std::unique_ptr<PcmSource> openFileSource(const std::string& path, FileKind kind) {
    std::unique_ptr<Decoder> decoder;
    if (kind == FileKind::Mpeg) {
        auto mpeg = std::make_unique<MpegDecoder>();
        if (!mpeg->open(path))
            return nullptr;
        decoder = std::move(mpeg);
    } else if (kind == FileKind::Sound) {
        auto other = std::make_unique<SndfileDecoder>();
        if (!other->open(path))
            return nullptr;
        decoder = std::move(other);
    } else {
        return nullptr;
    }
    auto source = std::make_unique<FileSource>(std::move(decoder));
    if (!source->start())
        return nullptr;
    return source;
}

}  // namespace platform::audio
