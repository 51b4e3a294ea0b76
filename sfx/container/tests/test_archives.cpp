#include "sfx/container/tests/test_archives.h"

#include <zip.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/native.h"
#include "platform/text/codepage.h"
#include "sfx/container/minizip_io.h"
#include "sfx/container/zip_constants.h"

namespace sfx::test {

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vt-sfx-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
}

TempFolder::~TempFolder() {
    std::error_code ec;
    for (auto it = std::filesystem::recursive_directory_iterator(path_, ec);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
        std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add | std::filesystem::perm_options::nofollow,
                                     ec);
    std::filesystem::remove_all(path_, ec);
}

std::string TempFolder::text() const { return platform::utf8ToCp1251(path_.string()) + "/"; }

void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string makeZip(const std::vector<RawEntry>& entries) {
    TempFolder folder;
    const std::string path = folder.text() + "raw.zip";
    zlib_filefunc64_def io = filesIo(platform::nativeFiles());
    zipFile zip = zipOpen2_64(path.c_str(), APPEND_STATUS_CREATE, nullptr, &io);
    for (const RawEntry& e : entries) {
        zip_fileinfo info{};
        info.dosDate = e.dosDateTime;
        info.external_fa = externalAttributes(e.attributes, e.unixMode);
        zipOpenNewFileInZip4_64(zip, e.name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED, 9, 0,
                                -MAX_WBITS, DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY, nullptr, 0, versionMadeBy(e.unixMode),
                                0, 0);
        zipWriteInFileInZip(zip, e.data.data(), static_cast<unsigned>(e.data.size()));
        zipCloseFileInZip(zip);
    }
    zipClose(zip, nullptr);
    return readBytes(folder.path() / "raw.zip");
}

std::string run(const std::string& command, int* status) {
    std::string out;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) {
        if (status)
            *status = -1;
        return out;
    }
    std::array<char, 4096> buffer{};
    size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        out.append(buffer.data(), n);
    const int rc = ::pclose(pipe);
    if (status)
        *status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    return out;
}

std::string fakeStub() {
    // Bytes that look like the start of a program and hold no ZIP signature.
    std::string stub = "\x7f" "ELF";
    for (int i = 0; i < 5000; ++i)
        stub += static_cast<char>((i * 7919) % 251);
    return stub;
}

}  // namespace sfx::test
