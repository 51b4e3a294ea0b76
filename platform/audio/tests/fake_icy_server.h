#pragma once
// A small HTTP server on 127.0.0.1 for the stream tests: each connection gets the request
// text and answers through a handler of the test's own, on a thread of its own.

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace audio_test {

class FakeServer {
public:
    class Connection {
    public:
        Connection(int fd, const FakeServer& server) : fd_(fd), server_(server) {}
        // False once the client is gone or the server stops.
        bool send(const std::string& bytes);
        bool stopping() const { return server_.stop_; }

    private:
        int fd_;
        const FakeServer& server_;
    };
    using Handler = std::function<void(Connection&, const std::string& request)>;

    explicit FakeServer(Handler handler);
    ~FakeServer();
    FakeServer(const FakeServer&) = delete;
    FakeServer& operator=(const FakeServer&) = delete;

    int port() const { return port_; }
    std::string url(const std::string& path = "/") const {
        return "http://127.0.0.1:" + std::to_string(port_) + path;
    }
    std::vector<std::string> requests() const;

private:
    void acceptLoop();

    Handler handler_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::thread acceptor_;
    mutable std::mutex mutex_;
    std::vector<std::thread> connections_;
    std::vector<std::string> requests_;
};

// An Icecast/Shoutcast body: `audio` with a metadata block after every `interval` bytes; the
// block at index i carries titles[i] ("" for an empty block) until they run out.
std::string icyInterleave(const std::string& audio, size_t interval, const std::vector<std::string>& metas);

// A free TCP port on 127.0.0.1 (nobody listens on it when this returns).
int freePort();
// Whether something accepts connections on 127.0.0.1:port.
bool accepts(int port);

}  // namespace audio_test
