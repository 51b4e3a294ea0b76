// Cost of one display tick while a stream plays: the level meter from a changing spectrum, the
// time, a radio title with metadata, the position bar and the volume, with every picture
// handed to a window that keeps them (as a real one copies them into its controls).

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "platform/fake/fake_audio.h"
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

}  // namespace

int main(int argc, char** argv) {
    const int ticks = argc > 1 ? std::atoi(argv[1]) : 2000;
    PlayerState state;
    KeepingUi ui;
    platform::fake::FakeAudio audio;
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

    state.radioMode = 1;
    state.currentGenre = "Electronic";
    state.currentTitle = "Radio Record";
    state.streamHandle = audio.streamCreateUrl("http://stream.test/live");
    audio.channelPlay(state.streamHandle, false);
    auto* stream = audio.stream(state.streamHandle);
    stream->length = 176400 * 240;
    stream->meta = "StreamTitle='Artist - A Song Title';StreamUrl='';";

    double total = 0;
    for (int t = 0; t < ticks; ++t) {
        for (int i = 0; i < 1024; ++i)
            stream->fft[static_cast<size_t>(i)] = static_cast<float>(0.5 + 0.5 * std::sin(t * 0.1 + i)) * 0.3f;
        stream->position = 176400LL * (t % 240);
        const auto start = std::chrono::steady_clock::now();
        displayTick(shell);
        total += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }
    std::printf("displayTick: %.4f ms per tick over %d ticks\n", total / ticks, ticks);
    return 0;
}
