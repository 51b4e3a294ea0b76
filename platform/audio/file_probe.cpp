#include "platform/audio/file_probe.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::audio {

FileKind sniffFileKind(std::string_view head) {
    if (head.size() >= 3 && head.substr(0, 3) == "ID3")
        return FileKind::Mpeg;
    if (head.size() >= 2) {
        const auto b0 = static_cast<unsigned char>(head[0]);
        const auto b1 = static_cast<unsigned char>(head[1]);
        // Eleven set bits of frame sync; layer bits 00 are reserved and never start a frame.
        if (b0 == 0xFF && (b1 & 0xE0) == 0xE0 && (b1 & 0x06) != 0)
            return FileKind::Mpeg;
    }
    // Only headers are trusted: the general reader, given anything else, goes hunting for
    // MPEG frames in it and reports what it finds on the terminal.
    for (std::string_view magic : {"RIFF", "RIFX", "RF64", "FORM", "fLaC", "OggS", ".snd", "caff"})
        if (head.starts_with(magic))
            return FileKind::Sound;
    return FileKind::Unknown;
}

std::optional<std::string> id3v1Block(std::string_view tail) {
    if (tail.size() != 128 || tail.substr(0, 3) != "TAG")
        return std::nullopt;
    return std::string(tail);
}

FileProbe probeFile(const std::string& path) {
    FileProbe probe;
    // Non-blocking, so that a named pipe given as a sound file cannot hang the caller.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return probe;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return probe;
    }
    probe.readable = true;
    char head[16];
    const ssize_t n = ::pread(fd, head, sizeof head, 0);
    probe.kind = sniffFileKind(std::string_view(head, n > 0 ? static_cast<size_t>(n) : 0));
    if (st.st_size >= 128) {
        char tail[128];
        if (::pread(fd, tail, sizeof tail, st.st_size - 128) == 128)
            probe.id3v1 = id3v1Block(std::string_view(tail, sizeof tail));
    }
    ::close(fd);
    return probe;
}

}  // namespace platform::audio
