// Cost of one display tick while a stream plays: the level meter from the spectrum, the time,
// the title strip, the position bar and the volume, with every picture handed to a window that
// keeps them (as a real one copies them into its controls). With the machine's audio back-end
// built in, a generated sound file plays on its null output, so the spectrum is computed from
// real sound; without it a scripted stream with a changing spectrum and radio metadata stands in.

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <fstream>
#include <map>
#include <string>

#include "platform/fake/fake_audio.h"
#ifdef VT_HAVE_NATIVE_AUDIO
#include "platform/audio/native_audio.h"
#endif
#include "player/ports/ui_port.h"
#include "player/ports/web_catalogue.h"
#include "player/shell/display.h"
#include "player/shell/shell.h"
#include "player/state/player_state.h"

namespace {

using namespace player;

// A window that only keeps the last picture of each control.
class KeepingUi final : public UiPort {
public:
    std::map<int, common::Picture> pictures;
    bool createMainWindow(int, int, int, int) override { return true; }
    int screenWidth() override { return 1920; }
    void setBackground(const common::Picture&) override {}
    void show() override {}
    void minimise() override {}
    void setClientHeight(int) override {}
    void beginCaptionDrag() override {}
    void createControl(const ControlSpec&) override {}
    void destroyControl(int) override {}
    void setTooltip(int, const std::string&) override {}
    void placePicture(int control, const common::Picture& picture) override { pictures[control] = picture; }
    void removePicture(int control) override { pictures.erase(control); }
    void moveControl(int, int, int) override {}
    Rect controlRect(int) override { return {}; }
    Rect controlScreenRect(int) override { return {}; }
    void setText(int, const std::string&) override {}
    std::string text(int) override { return {}; }
    void navigate(int, const std::string&) override {}
    void insertColumn(int, const Column&) override {}
    void listClear(int) override {}
    void listAddRow(int, const std::string&) override {}
    int listRowCount(int) override { return 0; }
    void listSelect(int, int) override {}
    int listSelection(int) override { return -1; }
    std::string listRowText(int, int) override { return {}; }
    void dropDownAdd(int, const std::string&) override {}
    void dropDownOpen(int) override {}
    Point pointerScreen() override { return {}; }
    Point pointerClient() override { return {}; }
    bool leftButtonDown() override { return false; }
    void setHandCursor() override {}
    std::string openFileDialog(const std::string&, const std::string&, const std::string&) override { return {}; }
    void startTimer(int, std::function<void()>) override {}
    Event waitEvent() override { return {}; }
    void sleepMs(int) override {}
    void post(std::function<void()>) override {}
};

class NoWeb final : public WebCatalogue {
public:
    Hosts h;
    const Hosts& hosts() const override { return h; }
    std::string loginUrl() const override { return {}; }
    void searchAudio(const std::string&) override {}
    void searchVideo(const std::string&) override {}
    void openVideoPage(const std::string&) override {}
    void buildVideoLink(const std::string&, const std::string&) override {}
    void listGenres() override {}
    void listStations(const std::string&) override {}
    void playStation(const std::string&) override {}
    void searchPictures(const std::string&) override {}
    bool startThumbnailWorker(const std::string&) override { return false; }
};

class NoList final : public MainList {
public:
    void clear() override {}
    void addRow(const std::string&) override {}
    int rowCount() override { return 0; }
    void select(int) override {}
    int selection() override { return -1; }
    std::string rowText(int) override { return {}; }
};

#ifdef VT_HAVE_NATIVE_AUDIO
// Ten seconds of a chord as 16-bit stereo WAV at 44.1 kHz.
std::string writeTestTone() {
    const std::string path = "/tmp/display_tick_bench_" + std::to_string(::getpid()) + ".wav";
    const uint32_t frames = 441000, dataBytes = frames * 4;
    std::ofstream out(path, std::ios::binary);
    auto u32 = [&](uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    out.write("RIFF", 4);
    u32(36 + dataBytes);
    out.write("WAVEfmt ", 8);
    u32(16);
    u16(1);
    u16(2);
    u32(44100);
    u32(44100 * 4);
    u16(4);
    u16(16);
    out.write("data", 4);
    u32(dataBytes);
    for (uint32_t i = 0; i < frames; ++i) {
        const double t = i / 44100.0;
        const auto v = static_cast<int16_t>(8000 * (std::sin(2 * M_PI * 220 * t) + std::sin(2 * M_PI * 1760 * t)));
        u16(static_cast<uint16_t>(v));
        u16(static_cast<uint16_t>(v));
    }
    return path;
}
#endif

}  // namespace

int main(int argc, char** argv) {
    const int ticks = argc > 1 ? std::atoi(argv[1]) : 2000;
    PlayerState state;
    KeepingUi ui;
    platform::fake::FakeAudio fakeAudio;
#ifdef VT_HAVE_NATIVE_AUDIO
    ::setenv("VT_AUDIO_OUTPUT", "null", 1);
    std::unique_ptr<platform::Audio> native = platform::createNativeAudio();
    platform::Audio& audio = *native;
    audio.init(-1, 44100);
#else
    platform::Audio& audio = fakeAudio;
#endif
    NoWeb web;
    NoList list;
    struct : platform::Files {
        platform::PathInfo pathInfo(const std::string&) override { return {}; }
        std::optional<std::string> readFile(const std::string&) override { return {}; }
        bool writeFile(const std::string&, const std::string&) override { return false; }
        bool deleteFile(const std::string&) override { return false; }
        std::optional<std::vector<platform::FolderEntry>> listFolder(const std::string&, const std::string&) override {
            return {};
        }
        bool createFolders(const std::string&) override { return false; }
        bool removeFolder(const std::string&) override { return false; }
    } files;
    struct : platform::System {
        std::optional<std::string> environment(const std::string&) override { return {}; }
        std::string currentDirectory() override { return "/"; }
        std::string executablePath() override { return "/x"; }
        int processId() override { return 1; }
        std::string temporaryFolder() override { return "/tmp/"; }
        std::string startMenuFolder() override { return {}; }
        std::string desktopFolder() override { return {}; }
        std::string commandInterpreter() override { return {}; }
        bool startDetached(const std::string&, const std::vector<std::string>&, const std::string&) override {
            return false;
        }
    } system;
    Shell shell{state, ui, audio, web, files, system, list, {}, std::make_unique<DisplaySurfaces>(), nullptr};
    shell.images[18] = common::Picture::blank(73, 5);
    shell.images[19] = common::Picture::blank(12, 5);

    double total = 0;
#ifdef VT_HAVE_NATIVE_AUDIO
    const std::string tone = writeTestTone();
    state.currentTitle = "display_tick_bench.wav";
    state.streamHandle = audio.streamCreateFile(tone);
    audio.channelPlay(state.streamHandle, false);
    const char* source = "a sound file on the null output";
    for (int t = 0; t < ticks; ++t) {
        if (t % 400 == 0)  // keep it playing: ten seconds of sound outlast 400 ticks
            audio.channelSetPosition(state.streamHandle, 0);
        const auto start = std::chrono::steady_clock::now();
        displayTick(shell);
        total += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        // The timer's own pace matters little here; a short pause lets the mixer move on.
        if (t % 20 == 0)
            ::usleep(1000);
    }
    audio.streamFree(state.streamHandle);
    ::unlink(tone.c_str());
#else
    state.radioMode = 1;
    state.currentGenre = "Electronic";
    state.currentTitle = "Radio Record";
    state.streamHandle = fakeAudio.streamCreateUrl("http://stream.test/live");
    fakeAudio.channelPlay(state.streamHandle, false);
    auto* stream = fakeAudio.stream(state.streamHandle);
    stream->length = 176400 * 240;
    stream->meta = "StreamTitle='Artist - A Song Title';StreamUrl='';";
    const char* source = "a scripted radio stream";
    for (int t = 0; t < ticks; ++t) {
        for (int i = 0; i < 1024; ++i)
            stream->fft[static_cast<size_t>(i)] = static_cast<float>(0.5 + 0.5 * std::sin(t * 0.1 + i)) * 0.3f;
        stream->position = 176400LL * (t % 240);
        const auto start = std::chrono::steady_clock::now();
        displayTick(shell);
        total += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }
#endif
    std::printf("displayTick: %.4f ms per tick over %d ticks (%s)\n", total / ticks, ticks, source);
    return 0;
}
