#pragma once
// What a sound file is, told from its bytes rather than its name, and the tag block at its end.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform::audio {

enum class FileKind {
    Mpeg,     // MPEG audio: an ID3 version 2 header or a frame sync right at the start
    Sound,    // a sound container the general reader knows by its header (WAV, AIFF, FLAC, ...)
    Unknown,  // nothing to play (MIDI, text, an empty file, ...)
};

FileKind sniffFileKind(std::string_view head);

// The last 128 bytes of a file when they are an ID3 version 1 block ("TAG" first).
std::optional<std::string> id3v1Block(std::string_view tail);

// Reads the first bytes and the ID3 version 1 block of a file (path as the OS names it).
struct FileProbe {
    bool readable = false;
    FileKind kind = FileKind::Unknown;
    std::optional<std::string> id3v1;
};
FileProbe probeFile(const std::string& path);

}  // namespace platform::audio
