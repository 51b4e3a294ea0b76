#pragma once
// Small helpers shared by the POSIX implementations; not for product code.

#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/text/codepage.h"

namespace platform {

// A 1251 path as the file system wants it.
inline std::string osPath(const std::string& path) { return cp1251ToUtf8(path); }

class UniqueFd {
public:
    explicit UniqueFd(int fd = -1) : fd_(fd) {}
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    ~UniqueFd() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    explicit operator bool() const { return fd_ >= 0; }
    int get() const { return fd_; }
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

inline bool writeAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

// Tells the desktop that a desktop entry may be launched without asking (GIO metadata); quietly
// does nothing where the desktop keeps no such mark.
void markTrusted(const std::string& osPath);

}  // namespace platform
