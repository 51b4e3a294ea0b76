#include "sfx/container/minizip_io.h"

#include <memory>
#include <string>

namespace sfx {
namespace {

struct Stream {
    std::unique_ptr<platform::OpenFile> file;
    bool failed = false;
};

platform::Files& filesOf(voidpf opaque) { return *static_cast<platform::Files*>(opaque); }
Stream& streamOf(voidpf stream) { return *static_cast<Stream*>(stream); }

voidpf ZCALLBACK openFile(voidpf opaque, const void* filename, int mode) {
    if (!filename)
        return nullptr;
    const bool create = (mode & ZLIB_FILEFUNC_MODE_CREATE) != 0;
    auto file = filesOf(opaque).openFile(static_cast<const char*>(filename),
                                         create ? platform::OpenMode::Create : platform::OpenMode::Read);
    if (!file)
        return nullptr;
    return new Stream{std::move(file), false};
}

uLong ZCALLBACK readFile(voidpf, voidpf stream, void* buf, uLong size) {
    const int64_t n = streamOf(stream).file->read(buf, size);
    if (n < 0) {
        streamOf(stream).failed = true;
        return 0;
    }
    return static_cast<uLong>(n);
}

uLong ZCALLBACK writeFile(voidpf, voidpf stream, const void* buf, uLong size) {
    if (!streamOf(stream).file->write(buf, size)) {
        streamOf(stream).failed = true;
        return 0;
    }
    return size;
}

ZPOS64_T ZCALLBACK tellFile(voidpf, voidpf stream) {
    const int64_t at = streamOf(stream).file->tell();
    return at < 0 ? static_cast<ZPOS64_T>(-1) : static_cast<ZPOS64_T>(at);
}

long ZCALLBACK seekFile(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
    using Origin = platform::OpenFile::Origin;
    const Origin o = origin == ZLIB_FILEFUNC_SEEK_SET   ? Origin::Start
                     : origin == ZLIB_FILEFUNC_SEEK_CUR ? Origin::Current
                                                        : Origin::End;
    return streamOf(stream).file->seek(static_cast<int64_t>(offset), o) ? 0 : -1;
}

int ZCALLBACK closeFile(voidpf, voidpf stream) {
    std::unique_ptr<Stream> owned(static_cast<Stream*>(stream));
    const bool ok = owned->file->close() && !owned->failed;
    return ok ? 0 : -1;
}

int ZCALLBACK errorOf(voidpf, voidpf stream) { return streamOf(stream).failed ? 1 : 0; }

}  // namespace

zlib_filefunc64_def filesIo(platform::Files& files) {
    zlib_filefunc64_def io{};
    io.zopen64_file = openFile;
    io.zread_file = readFile;
    io.zwrite_file = writeFile;
    io.ztell64_file = tellFile;
    io.zseek64_file = seekFile;
    io.zclose_file = closeFile;
    io.zerror_file = errorOf;
    io.opaque = &files;
    return io;
}

}  // namespace sfx
