#pragma once
// Sound files: MPEG audio through libmpg123 (length counted exactly by a scan of every frame),
// everything else through libsndfile.

#include <memory>
#include <string>

#include "platform/audio/file_probe.h"
#include "platform/audio/pcm_source.h"

namespace platform::audio {

// Opens a file (path as the OS names it) as the probe classified it; null when it cannot be
// decoded or holds no sound.
std::unique_ptr<PcmSource> openFileSource(const std::string& path, FileKind kind);

}  // namespace platform::audio
