#pragma once
// A whole player over fakes, started the way the program starts, for the shell's tests.

#include <sstream>

#include "fake_ui.h"
#include "fake_web.h"
#include "platform/fake/fake_audio.h"
#include "platform/fake/fake_files.h"
#include "platform/fake/fake_system.h"
#include "player/shell/event_loop.h"
#include "player/shell/shell.h"
#include "player/shell/startup.h"
#include "player/shell/ui_adapters.h"
#include "test_pictures.h"

namespace player::test {

struct Harness {
    PlayerState state;
    FakeUi ui;
    platform::fake::FakeAudio audio;
    platform::fake::FakeFiles files;
    platform::fake::FakeSystem system;
    ControlMainList list{ui};
    FakeWeb web{state, list, audio};
    Shell shell{state, ui, audio, web, files, system, list, {}, std::make_unique<DisplaySurfaces>(), nullptr};
    std::ostringstream errors;

    explicit Harness(bool start = true) {
        files.addFolder("/tmp");
        files.addFolder("/opt/vt90");
        system.tempFolder = "/tmp/";
        system.exePath = "/opt/vt90/VT-90";
        if (start && !startUp(shell, data(), errors))
            throw std::runtime_error("start-up failed");
    }

    StartupData data() {
        StartupData d;
        d.genreList = [] { return std::string_view("Rock\r\nPop\r\n"); };
        d.pictures = embeddedPngSpans();
        return d;
    }

    // Turns until the script is used up.
    void run() {
        while (!ui.script.empty())
            loopTurn(shell);
    }
    // The audio calls since the last `mark()`.
    std::vector<std::string> audioCalls() {
        return std::vector<std::string>(audio.calls.begin() + static_cast<long>(mark_), audio.calls.end());
    }
    void mark() { mark_ = audio.calls.size(); }
    // The source of the stream playing now, empty for none.
    std::string playing() {
        auto* s = audio.stream(state.streamHandle);
        return s && s->activity != platform::kChannelStopped ? s->source : "";
    }
    std::vector<std::string> rows() { return ui.at(12).rows; }

private:
    size_t mark_ = 0;
};

}  // namespace player::test
