#pragma once
// minizip reads and writes through the platform's files, so that archive paths are the system's
// 1251 texts and tests can hand it any Files.

#include <ioapi.h>

#include "platform/files.h"

namespace sfx {

zlib_filefunc64_def filesIo(platform::Files& files);

}  // namespace sfx
