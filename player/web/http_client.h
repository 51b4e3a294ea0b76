#pragma once
// The radio directory's own small HTTP/1.1 client: one GET over one plain TCP connection, its
// answer's body written into a file. The directory sees exactly the request built here.

#include <chrono>
#include <optional>
#include <string>

#include "platform/files.h"
#include "platform/net/tcp.h"

namespace web {

struct UrlParts {
    std::string host;
    int port = 80;
    std::string path;  // everything behind the first "/" after the host, query included
};

// "scheme://[user@]host[:port][/path]"; nothing without "://", without a host, or with a port
// that is no number from 1 to 65535.
std::optional<UrlParts> splitUrl(const std::string& url);

// The request bytes, CR LF line ends, the path sent exactly as given.
std::string buildRequest(const UrlParts& url);

struct ReceiveLimits {
    std::chrono::milliseconds send{10000};       // retrying until all went
    std::chrono::milliseconds firstPiece{10000};  // the start of the answer
    std::chrono::milliseconds read{10000};        // each later read
    std::chrono::milliseconds idle{1000};         // a body without a length ends after this silence
    std::chrono::milliseconds connect{10000};
    // A station entry is a few lines and a genre page a few hundred kilobytes. A body that keeps
    // coming (a station link that is the stream itself: 16 KB a second at 128 kbit/s) would hold
    // the player for ever, so the whole exchange ends after 30 seconds and at 8 MB, and fails.
    std::chrono::milliseconds total{30000};
    size_t maxBody = 8u * 1024 * 1024;
    size_t maxHeader = 64u * 1024;  // status line and header lines together
};

// Fetches url and writes its body into fileName (replacing the file) when the status line
// holds "200" or "302"; a 302 is not followed, its own body is the file. False, with the file
// untouched, on any failure.
bool receiveToFile(platform::net::TcpConnector& connector, platform::Files& files, const std::string& url,
                   const std::string& fileName, const ReceiveLimits& limits = {});

// The part after connecting: sends the request and reads the answer's body into body.
bool exchange(platform::net::TcpConnection& connection, const UrlParts& url, const ReceiveLimits& limits,
              std::string& body);

}  // namespace web
