#pragma once
// Plain TCP client connections, for the radio directory's own small HTTP client. The HTTP
// logic lives with the player and talks to these interfaces, so tests and fuzzing can hand it
// scripted bytes.

#include <chrono>
#include <memory>
#include <string>
#include <string_view>

namespace platform::net {

using Milliseconds = std::chrono::milliseconds;

struct Received {
    enum Kind { Data, Closed, TimedOut, Failed } kind = Failed;
    std::string bytes;  // the bytes of a Data result, never empty then
};

class TcpConnection {
public:
    virtual ~TcpConnection() = default;
    // Sends every byte, retrying partial sends until all went or the time is up.
    virtual bool sendAll(std::string_view bytes, Milliseconds timeout) = 0;
    // Up to maxBytes of whatever arrives first, waiting at most timeout.
    virtual Received receive(size_t maxBytes, Milliseconds timeout) = 0;
};

class TcpConnector {
public:
    virtual ~TcpConnector() = default;
    // Resolves host (IPv4) and connects; nothing on failure.
    virtual std::unique_ptr<TcpConnection> connect(const std::string& host, int port, Milliseconds timeout) = 0;
};

TcpConnector& nativeTcpConnector();

}  // namespace platform::net
