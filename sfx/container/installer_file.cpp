#include "sfx/container/installer_file.h"

namespace sfx {

std::string archiveLengthTrailer(uint32_t length) {
    std::string t(4, '\0');
    for (int i = 0; i < 4; ++i)
        t[static_cast<size_t>(i)] = static_cast<char>((length >> (8 * i)) & 0xFF);
    return t;
}

bool writeInstaller(platform::Files& files, const std::string& outputPath, std::string_view stubImage,
                    std::string_view archive) {
    if (archive.size() > 0xFFFFFFFFu)
        return false;
    auto file = files.openFile(outputPath, platform::OpenMode::Create);
    if (!file)
        return false;
    const std::string trailer = archiveLengthTrailer(static_cast<uint32_t>(archive.size()));
    const bool ok = file->write(stubImage.data(), stubImage.size()) && file->write(archive.data(), archive.size()) &&
                    file->write(trailer.data(), trailer.size());
    const bool closed = file->close();
    if (ok && closed)
        return true;
    files.deleteFile(outputPath);
    return false;
}

}  // namespace sfx
