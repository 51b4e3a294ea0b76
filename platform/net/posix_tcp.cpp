#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/net/tcp.h"

namespace platform::net {
namespace {

using Clock = std::chrono::steady_clock;

int remainingMs(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<Milliseconds>(deadline - Clock::now()).count();
    return left < 0 ? 0 : static_cast<int>(left);
}

// Waits for the events on fd until the deadline; false when the time ran out or poll failed.
bool waitFor(int fd, short events, Clock::time_point deadline) {
    for (;;) {
        pollfd p{fd, events, 0};
        const int n = ::poll(&p, 1, remainingMs(deadline));
        if (n > 0)
            return true;
        if (n == 0)
            return false;
        if (errno != EINTR)
            return false;
    }
}

class PosixConnection final : public TcpConnection {
public:
    explicit PosixConnection(int fd) : fd_(fd) {}
    ~PosixConnection() override { ::close(fd_); }

    bool sendAll(std::string_view bytes, Milliseconds timeout) override {
        const auto deadline = Clock::now() + timeout;
        while (!bytes.empty()) {
            const ssize_t n = ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
            if (n > 0) {
                bytes.remove_prefix(static_cast<size_t>(n));
                continue;
            }
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
                if (!waitFor(fd_, POLLOUT, deadline))
                    return false;
                continue;
            }
            return false;
        }
        return true;
    }

    Received receive(size_t maxBytes, Milliseconds timeout) override {
        const auto deadline = Clock::now() + timeout;
        std::string buffer(maxBytes, '\0');
        for (;;) {
            const ssize_t n = ::recv(fd_, buffer.data(), buffer.size(), 0);
            if (n > 0) {
                buffer.resize(static_cast<size_t>(n));
                return {Received::Data, std::move(buffer)};
            }
            if (n == 0)
                return {Received::Closed, {}};
            if (errno == EINTR)
                continue;
            if (errno != EAGAIN && errno != EWOULDBLOCK)
                return {Received::Failed, {}};
            if (!waitFor(fd_, POLLIN, deadline))
                return {Received::TimedOut, {}};
        }
    }

private:
    int fd_;
};

class PosixConnector final : public TcpConnector {
public:
    std::unique_ptr<TcpConnection> connect(const std::string& host, int port, Milliseconds timeout) override {
        addrinfo hints{};
        hints.ai_family = AF_INET;
        hints.ai_socktype = SOCK_STREAM;
        addrinfo* found = nullptr;
        const std::string service = std::to_string(port);
        if (host.empty() || ::getaddrinfo(host.c_str(), service.c_str(), &hints, &found) != 0 || !found)
            return nullptr;
        const auto deadline = Clock::now() + timeout;
        std::unique_ptr<TcpConnection> connection;
        for (addrinfo* a = found; a && !connection; a = a->ai_next) {
            const int fd = ::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK, a->ai_protocol);
            if (fd < 0)
                continue;
            int rc = ::connect(fd, a->ai_addr, a->ai_addrlen);
            if (rc != 0 && errno == EINPROGRESS && waitFor(fd, POLLOUT, deadline)) {
                int error = 0;
                socklen_t length = sizeof error;
                if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0)
                    rc = 0;
            }
            if (rc == 0)
                connection = std::make_unique<PosixConnection>(fd);
            else
                ::close(fd);
        }
        ::freeaddrinfo(found);
        return connection;
    }
};

}  // namespace

TcpConnector& nativeTcpConnector() {
    static PosixConnector connector;
    return connector;
}

}  // namespace platform::net
