// Packing and extraction of the installer family against Info-ZIP, on one generated folder:
// archive size and time of addFolderToArchive (with the product's 10 ms pause per block and
// without it) against zip -9 -r, and extraction time against unzip.
//
//   sfx_bench [megabytes]   (default 24)

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/native.h"
#include "sfx/container/add_folder.h"
#include "sfx/container/find_archive.h"
#include "sfx/container/tests/test_archives.h"
#include "sfx/stub/extraction.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

double seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

// A folder like an installed player: text-like files that compress well, binaries that
// compress somewhat, and media that does not compress at all.
uint64_t generate(const fs::path& root, int megabytes) {
    uint32_t x = 2024;
    auto next = [&] { return x = x * 1103515245 + 12345; };
    uint64_t total = 0;
    const uint64_t budget = static_cast<uint64_t>(megabytes) << 20;
    const char* words[] = {"player ", "volume ", "stream ", "<div class=\"row\">", "radio ", "\r\n", "skin "};
    for (int i = 0; total < budget; ++i) {
        std::string data;
        const int kind = i % 3;
        const size_t size = kind == 0 ? 20000 + next() % 60000 : kind == 1 ? 100000 + next() % 400000 : 300000;
        while (data.size() < size) {
            if (kind == 0)
                data += words[next() % 7];
            else if (kind == 1)
                data += static_cast<char>((next() >> 24) & (next() % 4 == 0 ? 0xFF : 0x0F));
            else
                data += static_cast<char>(next() >> 24);
        }
        sfx::test::writeBytes(root / ("d" + std::to_string(i % 7)) / ("file" + std::to_string(i) + ".bin"), data);
        total += data.size();
    }
    return total;
}

}  // namespace

int main(int argc, char** argv) {
    const int megabytes = argc > 1 ? std::atoi(argv[1]) : 24;
    sfx::test::TempFolder work;
    const fs::path source = work.path() / "source";
    const uint64_t bytes = generate(source, megabytes);
    const std::string sourceText = work.text() + "source/";
    platform::Files& files = platform::nativeFiles();
    std::printf("folder: %zu files, %.1f MiB\n", sfx::listFilesDepthFirst(files, sourceText).size(),
                static_cast<double>(bytes) / (1 << 20));

    auto t = Clock::now();
    sfx::addFolderToArchive(files, work.text() + "paused.zip", sourceText, nullptr, sfx::PackOptions{});
    const double paused = seconds(t);
    t = Clock::now();
    sfx::addFolderToArchive(files, work.text() + "ours.zip", sourceText, nullptr,
                            sfx::PackOptions{std::chrono::milliseconds(0)});
    const double ours = seconds(t);
    t = Clock::now();
    sfx::test::run("cd '" + source.string() + "' && zip -9 -r -q '" + (work.path() / "infozip.zip").string() + "' .");
    const double infozip = seconds(t);

    std::printf("pack   addFolderToArchive, 10 ms pause: %7.2f s  %10ju bytes\n", paused,
                static_cast<uintmax_t>(fs::file_size(work.path() / "paused.zip")));
    std::printf("pack   addFolderToArchive, no pause:    %7.2f s  %10ju bytes\n", ours,
                static_cast<uintmax_t>(fs::file_size(work.path() / "ours.zip")));
    std::printf("pack   zip -9 -r:                       %7.2f s  %10ju bytes\n", infozip,
                static_cast<uintmax_t>(fs::file_size(work.path() / "infozip.zip")));

    fs::create_directories(work.path() / "x1");
    fs::create_directories(work.path() / "x2");
    t = Clock::now();
    {
        sfx::Archive a = sfx::findArchive(files, work.text() + "ours.zip");
        sfx::extractArchive(files, static_cast<unzFile>(a.get()), work.text() + "x1/", nullptr);
    }
    const double extract = seconds(t);
    t = Clock::now();
    sfx::test::run("cd '" + (work.path() / "x2").string() + "' && unzip -q -o '" + (work.path() / "ours.zip").string() +
                   "'");
    const double unzip = seconds(t);
    std::printf("unpack extractArchive:                  %7.2f s\n", extract);
    std::printf("unpack unzip:                           %7.2f s\n", unzip);
    return 0;
}
