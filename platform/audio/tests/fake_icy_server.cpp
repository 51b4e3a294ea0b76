#include "platform/audio/tests/fake_icy_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace audio_test {
namespace {

int listenOn(int port, int* boundPort) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    int one = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<uint16_t>(port));
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || ::listen(fd, 8) != 0) {
        ::close(fd);
        return -1;
    }
    socklen_t len = sizeof addr;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
    *boundPort = ntohs(addr.sin_port);
    return fd;
}

}  // namespace

bool FakeServer::Connection::send(const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size() && !server_.stop_) {
        const ssize_t n = ::send(fd_, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return done == bytes.size();
}

FakeServer::FakeServer(Handler handler) : handler_(std::move(handler)) {
    listener_ = listenOn(0, &port_);
    acceptor_ = std::thread([this] { acceptLoop(); });
}

FakeServer::~FakeServer() {
    stop_ = true;
    acceptor_.join();
    std::lock_guard lock(mutex_);
    for (auto& t : connections_)
        t.join();
    ::close(listener_);
}

std::vector<std::string> FakeServer::requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

void FakeServer::acceptLoop() {
    while (!stop_) {
        pollfd p{listener_, POLLIN, 0};
        if (::poll(&p, 1, 50) <= 0)
            continue;
        const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0)
            continue;
        std::lock_guard lock(mutex_);
        connections_.emplace_back([this, fd] {
            std::string request;
            char buf[1024];
            while (request.find("\r\n\r\n") == std::string::npos && !stop_) {
                pollfd p{fd, POLLIN, 0};
                if (::poll(&p, 1, 50) <= 0)
                    continue;
                const ssize_t n = ::recv(fd, buf, sizeof buf, 0);
                if (n <= 0)
                    break;
                request.append(buf, static_cast<size_t>(n));
            }
            {
                std::lock_guard lock(mutex_);
                requests_.push_back(request);
            }
            Connection c(fd, *this);
            if (!stop_)
                handler_(c, request);
            ::close(fd);
        });
    }
}

std::string icyInterleave(const std::string& audio, size_t interval, const std::vector<std::string>& metas) {
    std::string out;
    size_t block = 0;
    for (size_t i = 0; i < audio.size(); i += interval) {
        out += audio.substr(i, interval);
        if (i + interval > audio.size())
            break;
        const std::string text = block < metas.size() ? metas[block] : "";
        ++block;
        const size_t units = (text.size() + 15) / 16;
        out += static_cast<char>(units);
        out += text;
        out.append(units * 16 - text.size(), '\0');
    }
    return out;
}

int freePort() {
    int port = 0;
    const int fd = listenOn(0, &port);
    ::close(fd);
    return port;
}

bool accepts(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<uint16_t>(port));
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
    ::close(fd);
    return ok;
}

}  // namespace audio_test
