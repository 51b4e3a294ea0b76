#include "platform/audio/network_source.h"

#include <mutex>
#include <vector>

#include <mpg123.h>

#include "platform/audio/rate_adapter.h"

namespace platform::audio {
namespace {

class NetworkSource final : public PcmSource {
public:
    explicit NetworkSource(std::unique_ptr<HttpStream> http) : http_(std::move(http)) {}
    ~NetworkSource() override {
        if (mh_) {
            mpg123_close(mh_);
            mpg123_delete(mh_);
        }
    }

    bool start() {
        static std::once_flag once;
        std::call_once(once, [] { mpg123_init(); });
        mh_ = mpg123_new(nullptr, nullptr);
        if (!mh_)
            return false;
        mpg123_param(mh_, MPG123_ADD_FLAGS, MPG123_QUIET, 0.0);
        // A stream joined mid-frame, or one that skips, has junk before the next sync.
        mpg123_param(mh_, MPG123_RESYNC_LIMIT, 65536, 0.0);
        mpg123_format_none(mh_);
        const long* rates = nullptr;
        size_t count = 0;
        mpg123_rates(&rates, &count);
        for (size_t i = 0; i < count; ++i)
            mpg123_format(mh_, rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_FLOAT_32);
        return mpg123_open_feed(mh_) == MPG123_OK;
    }

    size_t read(float* out, size_t frames) override {
        size_t got = 0;
        while (got < frames && !ended_) {
            if (adapter_.queued() > 0) {
                got += adapter_.pull(out + 2 * got, frames - got);
                continue;
            }
            native_.resize(8192);
            size_t done = 0;
            const int rc = mpg123_read(mh_, native_.data(), native_.size() * sizeof(float), &done);
            if (rc == MPG123_NEW_FORMAT) {
                long rate = 0;
                int channels = 0, encoding = 0;
                mpg123_getformat(mh_, &rate, &channels, &encoding);
                if (!adapter_.setFormat(rate, channels))
                    ended_ = true;
            }
            if (done > 0 && adapter_.channels() > 0) {
                adapter_.push(native_.data(), done / (sizeof(float) * static_cast<size_t>(adapter_.channels())));
                continue;
            }
            if (rc == MPG123_NEED_MORE) {
                const size_t n = http_->read(feed_, sizeof feed_);
                if (n > 0) {
                    mpg123_feed(mh_, reinterpret_cast<unsigned char*>(feed_), n);
                    continue;
                }
                // Nothing buffered: the transfer is over, or the stream stalls for now.
                ended_ = http_->finished();
                break;
            }
            if (rc != MPG123_OK && rc != MPG123_NEW_FORMAT)
                ended_ = true;  // not a stream the decoder can follow
        }
        return got;
    }

    bool ended() const override { return ended_; }
    std::optional<std::string> meta() const override { return http_->meta(); }

private:
    std::unique_ptr<HttpStream> http_;
    mpg123_handle* mh_ = nullptr;
    RateAdapter adapter_;
    std::vector<float> native_;
    char feed_[16384];
    bool ended_ = false;
};

}  // namespace

std::unique_ptr<PcmSource> openNetworkSource(const std::string& url, const HttpTimeouts& timeouts) {
    auto http = HttpStream::open(url, timeouts);
    if (!http)
        return nullptr;
    auto source = std::make_unique<NetworkSource>(std::move(http));
    if (!source->start())
        return nullptr;
    return source;
}

}  // namespace platform::audio
