// How fast the audio search reads a result page: searchAudio on a generated page of 50 MB
// (the page file already in place, the fetch failing as an unreachable network would), timed
// against `grep -c` of the address marker on the same file, in one run.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "platform/fake/fake_audio.h"
#include "platform/fake/fake_system.h"
#include "platform/native.h"
#include "player/web/audio_search.h"

namespace {

using Clock = std::chrono::steady_clock;

struct CountingList final : player::MainList {
    int rows = 0;
    void clear() override { rows = 0; }
    void addRow(const std::string&) override { ++rows; }
    int rowCount() override { return rows; }
    void select(int) override {}
    int selection() override { return -1; }
    std::string rowText(int) override { return {}; }
};
struct NoViews final : player::Views {
    void showPicture(int, const common::Picture&) override {}
    void setText(int, const std::string&) override {}
    void navigate(int, const std::string&) override {}
};
struct NoUi final : player::UiThread {
    void post(std::function<void()>) override {}
};
struct Offline final : platform::net::Downloader {
    bool downloadToFile(const std::string&, const std::string&) override { return false; }
};
struct NoConnector final : platform::net::TcpConnector {
    std::unique_ptr<platform::net::TcpConnection> connect(const std::string&, int, platform::net::Milliseconds) override {
        return nullptr;
    }
};

// A result page: each result its three marker lines among some page markup.
long long writePage(const std::filesystem::path& path, size_t bytes) {
    std::ofstream out(path, std::ios::binary);
    long long results = 0;
    size_t written = 0;
    std::string block;
    while (written < bytes) {
        const std::string n = std::to_string(results);
        block = "<div class=\"audio_row\" id=\"row" + n + "\">\r\n"
                "<img class=\"playimg\" onclick=\"operate(" + n + ",4791,12961742,'b3c6a1f2e1" + n + "',255)\" src=\"/i/play.gif\">\r\n"
                "<div class=\"performer\"><b><a href='javascript:s(" + n + ");'>Depeche Mode</a></b> - Enjoy the Silence &quot;Remix " + n + "&quot;</span></div>\r\n"
                "<div class=\"duration\">4:15</div>\r\n"
                "<div class=\"actions\"><a href=\"#\">add</a> <a href=\"#\">lyrics</a></div></div>\r\n";
        out << block;
        written += block.size();
        ++results;
    }
    return results;
}

}  // namespace

int main(int argc, char** argv) {
    const size_t megabytes = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 50;
    const auto folder = std::filesystem::temp_directory_path() / ("vt90-web-bench-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(folder);
    const auto page = folder / "audio.txt";
    const long long results = writePage(page, megabytes * 1024 * 1024);
    const auto size = std::filesystem::file_size(page);

    player::PlayerState state;
    CountingList list;
    NoViews views;
    NoUi ui;
    platform::fake::FakeAudio audio;
    platform::fake::FakeSystem system;
    system.tempFolder = folder.string() + "/";
    Offline downloader;
    NoConnector connector;
    web::WebPorts ports{state, list, views, ui, audio, platform::nativeFiles(), system, downloader, connector, {}};

    // Warm the page cache for both sides.
    std::system(("cat '" + page.string() + "' > /dev/null").c_str());

    const auto t0 = Clock::now();
    web::searchAudio(ports, "http://offline/");
    const auto t1 = Clock::now();
    const std::string command = "grep -c playimg '" + page.string() + "' > /dev/null";
    const int status = std::system(command.c_str());
    const auto t2 = Clock::now();

    const double parse = std::chrono::duration<double>(t1 - t0).count();
    const double grep = std::chrono::duration<double>(t2 - t1).count();
    std::printf("page: %.1f MB, %lld results (rows kept: %d)\n", size / 1048576.0, results, list.rows);
    std::printf("searchAudio: %.3f s (%.0f MB/s)\n", parse, size / 1048576.0 / parse);
    std::printf("grep -c:     %.3f s (%.0f MB/s)%s\n", grep, size / 1048576.0 / grep, status ? " (grep failed)" : "");
    std::printf("ratio searchAudio / grep: %.1f\n", parse / grep);
    std::filesystem::remove_all(folder);
    return 0;
}
