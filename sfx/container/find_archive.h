#pragma once
// The archive inside an installer: found from the end of the file by the ZIP end record, so the
// program in front of it and the length behind it are ignored.

#include <unzip.h>

#include <memory>
#include <string>

#include "platform/files.h"

namespace sfx {

struct ArchiveCloser {
    void operator()(void* archive) const { unzClose(static_cast<unzFile>(archive)); }
};
using Archive = std::unique_ptr<void, ArchiveCloser>;

// The open archive, or nothing when the file holds none (no end record in its last 65,535
// bytes, inconsistent counts, a central directory reaching past the end record).
Archive findArchive(platform::Files& files, const std::string& installerPath);

}  // namespace sfx
