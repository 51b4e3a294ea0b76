#include "platform/audio/http_stream.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <strings.h>
#include <thread>

#include <curl/curl.h>

#include "platform/audio/icy_demux.h"

namespace platform::audio {
namespace {

// A quarter of a megabyte holds many seconds of any MP3 radio stream.
constexpr size_t kBufferLimit = 256 * 1024;

class CurlStream final : public HttpStream {
public:
    CurlStream(std::string url, HttpTimeouts timeouts) : url_(std::move(url)), timeouts_(timeouts) {}

    ~CurlStream() override {
        {
            std::lock_guard lock(mutex_);
            abort_ = true;
        }
        roomFreed_.notify_all();
        if (thread_.joinable())
            thread_.join();
    }

    bool start() {
        static std::once_flag once;
        std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
        thread_ = std::thread([this] { run(); });
        std::unique_lock lock(mutex_);
        const bool answered = stateChanged_.wait_for(lock, timeouts_.headers, [this] {
            return phase_ != Phase::Waiting;
        });
        // A short answer may have arrived whole, and the transfer ended, before this wakes.
        return answered && (phase_ == Phase::Streaming || phase_ == Phase::Done);
    }

    size_t read(char* buf, size_t n) override {
        std::lock_guard lock(mutex_);
        const size_t got = std::min(n, buffer_.size() - head_);
        std::memcpy(buf, buffer_.data() + head_, got);
        head_ += got;
        if (head_ == buffer_.size()) {
            buffer_.clear();
            head_ = 0;
        }
        roomFreed_.notify_all();
        return got;
    }

    bool finished() const override {
        std::lock_guard lock(mutex_);
        return phase_ == Phase::Done || phase_ == Phase::Failed;
    }

    std::optional<std::string> meta() const override {
        std::lock_guard lock(mutex_);
        return meta_;
    }

private:
    enum class Phase { Waiting, Streaming, Done, Failed };

    void run() {
        CURL* curl = curl_easy_init();
        if (!curl) {
            setPhase(Phase::Failed);
            return;
        }
        curl_slist* headers = curl_slist_append(nullptr, "Icy-MetaData: 1");
        // Shoutcast servers answer with this status line instead of an HTTP one.
        curl_slist* aliases = curl_slist_append(nullptr, "ICY 200 OK");
        curl_easy_setopt(curl, CURLOPT_URL, url_.c_str());
        curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
        curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 8L);
        curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
        curl_easy_setopt(curl, CURLOPT_HTTP200ALIASES, aliases);
        curl_easy_setopt(curl, CURLOPT_USERAGENT, "VT-90");
        curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, static_cast<long>(timeouts_.connect.count()));
        curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
        curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, static_cast<long>(timeouts_.lowSpeed.count()));
        curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, &CurlStream::onHeader);
        curl_easy_setopt(curl, CURLOPT_HEADERDATA, this);
        curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &CurlStream::onBody);
        curl_easy_setopt(curl, CURLOPT_WRITEDATA, this);
        curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &CurlStream::onProgress);
        curl_easy_setopt(curl, CURLOPT_XFERINFODATA, this);
        curl_ = curl;
        // The whole conversation on stderr, for finding out why a station will not play.
        if (std::getenv("VT_CURL_VERBOSE"))
            curl_easy_setopt(curl, CURLOPT_VERBOSE, 1L);
        curl_easy_perform(curl);
        curl_easy_cleanup(curl);
        curl_slist_free_all(headers);
        curl_slist_free_all(aliases);
        std::lock_guard lock(mutex_);
        phase_ = phase_ == Phase::Streaming ? Phase::Done : Phase::Failed;
        stateChanged_.notify_all();
    }

    void setPhase(Phase p) {
        std::lock_guard lock(mutex_);
        phase_ = p;
        stateChanged_.notify_all();
    }

    static size_t onHeader(char* data, size_t size, size_t count, void* self) {
        auto* s = static_cast<CurlStream*>(self);
        const size_t n = size * count;
        std::string_view line(data, n);
        if (s->abort_)
            return 0;
        if (line.starts_with("HTTP/") || line.starts_with("ICY ")) {
            s->interval_ = 0;  // a new answer (after a redirect) starts afresh
        } else if (n > 12 && strncasecmp(data, "icy-metaint:", 12) == 0) {
            s->interval_ = std::strtoul(std::string(line.substr(12)).c_str(), nullptr, 10);
        } else if (line == "\r\n" || line == "\n") {
            long code = 0;
            curl_easy_getinfo(s->curl_, CURLINFO_RESPONSE_CODE, &code);
            if ((code >= 100 && code < 200) || (code >= 300 && code < 400))
                return n;  // an interim answer or a redirect being followed
            if (code < 200 || code >= 300)
                return 0;  // the request failed; curl ends it
            s->demux_ = std::make_unique<IcyDemux>(s->interval_);
            s->setPhase(Phase::Streaming);
        }
        return n;
    }

    static size_t onBody(char* data, size_t size, size_t count, void* self) {
        auto* s = static_cast<CurlStream*>(self);
        const size_t n = size * count;
        if (!s->demux_)
            return 0;  // a body without an answer's headers: nothing a player can use
        s->audio_.clear();
        auto meta = s->demux_->push(std::string_view(data, n), s->audio_);
        std::unique_lock lock(s->mutex_);
        if (meta)
            s->meta_ = std::move(meta);
        // Waits for room while playback is paused or slower than the network; the transfer
        // stays on hold meanwhile.
        s->roomFreed_.wait(lock, [s] {
            return s->abort_ || s->buffer_.size() - s->head_ + s->audio_.size() <= kBufferLimit;
        });
        if (s->abort_)
            return 0;
        if (s->head_ > 0) {
            s->buffer_.erase(0, s->head_);
            s->head_ = 0;
        }
        s->buffer_.append(s->audio_);
        return n;
    }

    static int onProgress(void* self, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
        return static_cast<CurlStream*>(self)->abort_ ? 1 : 0;
    }

    const std::string url_;
    const HttpTimeouts timeouts_;
    std::thread thread_;
    std::atomic<bool> abort_{false};
    CURL* curl_ = nullptr;

    // The transfer thread's own.
    size_t interval_ = 0;
    std::unique_ptr<IcyDemux> demux_;
    std::string audio_;

    mutable std::mutex mutex_;
    std::condition_variable stateChanged_;
    std::condition_variable roomFreed_;
    Phase phase_ = Phase::Waiting;
    std::string buffer_;
    size_t head_ = 0;
    std::optional<std::string> meta_;
};

}  // namespace

std::unique_ptr<HttpStream> HttpStream::open(const std::string& url, const HttpTimeouts& timeouts) {
    if (strncasecmp(url.c_str(), "http://", 7) != 0 && strncasecmp(url.c_str(), "https://", 8) != 0)
        return nullptr;
    auto stream = std::make_unique<CurlStream>(url, timeouts);
    if (!stream->start())
        return nullptr;
    return stream;
}

}  // namespace platform::audio
