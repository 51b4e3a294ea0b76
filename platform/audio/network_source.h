#pragma once
// MP3 streams over HTTP: libmpg123 in feed mode, fed from the transfer's buffer as the mixer
// asks for sound. Their length is never known, whatever the first frame claims.

#include <memory>
#include <string>

#include "platform/audio/http_stream.h"
#include "platform/audio/pcm_source.h"

namespace platform::audio {

// Null when the request failed; blocks as HttpStream::open does.
std::unique_ptr<PcmSource> openNetworkSource(const std::string& url, const HttpTimeouts& timeouts = {});

}  // namespace platform::audio
