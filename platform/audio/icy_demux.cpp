#include "platform/audio/icy_demux.h"

#include <algorithm>

namespace platform::audio {

std::optional<std::string> IcyDemux::push(std::string_view data, std::string& audio) {
    if (interval_ == 0) {
        audio.append(data);
        return std::nullopt;
    }
    std::optional<std::string> found;
    size_t i = 0;
    while (i < data.size()) {
        if (readingMeta_) {
            const size_t n = std::min(metaLeft_, data.size() - i);
            meta_.append(data.substr(i, n));
            i += n;
            metaLeft_ -= n;
            if (metaLeft_ == 0) {
                readingMeta_ = false;
                untilMeta_ = interval_;
                // The text ends at its first zero byte; the rest is padding.
                const size_t end = meta_.find('\0');
                std::string text = meta_.substr(0, end);
                if (!text.empty())
                    found = std::move(text);
            }
        } else if (readingLength_) {
            metaLeft_ = static_cast<unsigned char>(data[i++]) * size_t{16};
            readingLength_ = false;
            if (metaLeft_ == 0) {
                untilMeta_ = interval_;  // no change of title: an empty block
            } else {
                readingMeta_ = true;
                meta_.clear();
            }
        } else {
            const size_t n = std::min(untilMeta_, data.size() - i);
            audio.append(data.substr(i, n));
            i += n;
            untilMeta_ -= n;
            if (untilMeta_ == 0)
                readingLength_ = true;
        }
    }
    return found;
}

}  // namespace platform::audio
