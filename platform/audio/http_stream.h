#pragma once
// The body of an HTTP (or Shoutcast "ICY") answer, fetched by libcurl on a thread of its own
// into a bounded buffer, with the stream metadata blocks taken out.

#include <chrono>
#include <memory>
#include <optional>
#include <string>

namespace platform::audio {

struct HttpTimeouts {
    std::chrono::seconds connect{10};
    std::chrono::seconds headers{15};  // the longest the creating thread waits for an answer
    std::chrono::seconds lowSpeed{15};  // a server that sends nothing for this long is gone
};

class HttpStream {
public:
    // Starts the request and blocks until the answer's headers arrived (a 2xx answer, after
    // redirects) or the request failed or took longer than `timeouts.headers`. Only http and
    // https URLs are fetched. Null on failure.
    static std::unique_ptr<HttpStream> open(const std::string& url, const HttpTimeouts& timeouts = {});

    virtual ~HttpStream() = default;
    // Takes up to n audio bytes that have arrived; never waits.
    virtual size_t read(char* buf, size_t n) = 0;
    // The transfer is over (the server closed, failed or went silent): no more bytes will come
    // beyond what read() still has.
    virtual bool finished() const = 0;
    // The last metadata text received, as it came ("StreamTitle='...';...").
    virtual std::optional<std::string> meta() const = 0;
};

}  // namespace platform::audio
