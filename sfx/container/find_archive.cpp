#include "sfx/container/find_archive.h"

#include "sfx/container/minizip_io.h"

namespace sfx {

Archive findArchive(platform::Files& files, const std::string& installerPath) {
    zlib_filefunc64_def io = filesIo(files);
    return Archive(unzOpen2_64(installerPath.c_str(), &io));
}

}  // namespace sfx
