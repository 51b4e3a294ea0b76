#pragma once
// Shoutcast/Icecast interleaving: after every `interval` bytes of audio comes one length byte
// n and then n x 16 bytes of metadata text, padded with zero bytes. The decoder must see the
// audio alone.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform::audio {

class IcyDemux {
public:
    // interval 0: the server sends no metadata, every byte is audio.
    explicit IcyDemux(size_t interval) : interval_(interval), untilMeta_(interval) {}

    // Splits the next piece of the body: audio bytes are appended to `audio`; a metadata block
    // that completed in this piece (and held text) is returned, the last one if several did.
    std::optional<std::string> push(std::string_view data, std::string& audio);

private:
    size_t interval_;
    size_t untilMeta_;
    size_t metaLeft_ = 0;
    bool readingLength_ = false;
    bool readingMeta_ = false;
    std::string meta_;
};

}  // namespace platform::audio
