#pragma once
// A recording window for the shell's tests: every control with its rectangle, picture, texts,
// rows and selection; a log of the window's actions; a script of events, pointer positions and
// timer ticks that waitEvent replays.

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "player/ports/ui_port.h"

namespace player::test {

struct FakeControl {
    ControlSpec desc;
    Rect rect;  // relative to its parent
    bool hasPicture = false;
    common::Picture picture;
    std::string text;
    std::string tooltip;
    std::vector<std::string> rows;
    std::vector<Column> columns;
    int selection = -1;
    std::vector<std::string> items;
    bool destroyed = false;
};

class FakeUi final : public UiPort {
public:
    // The window.
    bool windowPossible = true;
    bool windowCreated = false;
    Rect window;  // position on the screen and client size
    int screen = 1920;
    bool shown = false;

    std::map<int, FakeControl> controls;
    std::vector<int> creationOrder;
    // "sleep 100", "minimise", "height 560", "drag", "hand", "navigate 35 <address>",
    // "place 13", "remove 13", "open 30", "move 32 -1681 110", "destroy 30", "dialog".
    std::vector<std::string> log;

    // The pointer in client coordinates; (-1, -1) is outside the window.
    Point client{-1, -1};
    // Answers of leftButtonDown in order; `buttonHeld` once they are used up.
    std::deque<bool> buttonAnswers;
    bool buttonHeld = false;
    std::string dialogAnswer;

    std::function<void()> timer;
    int timerPeriod = 0;

    struct Step {
        Event event;
        std::optional<Point> pointer;  // moved there before the event is returned
        bool tick = false;             // runs the timer handler and yields kTimerEvent
    };
    std::deque<Step> script;

    void queueEvent(Event event, std::optional<Point> pointer = std::nullopt) {
        script.push_back({event, pointer, false});
    }
    void queueControl(int control, int type = kLeftClick) {
        queueEvent({kControlEvent, 0, control, type});
    }
    void queueMove(Point to) { queueEvent({kPointerMove, 0, 0, 0}, to); }
    void queueTick() { script.push_back({{kTimerEvent, 0, 0, 0}, std::nullopt, true}); }

    FakeControl& at(int control) { return controls.at(control); }
    // Client-area rectangle, containers included.
    Rect clientRect(int control);
    // How many times a log line occurs.
    int count(const std::string& line) const;

    bool createMainWindow(int x, int y, int width, int height) override;
    int screenWidth() override { return screen; }
    void setBackground(const common::Picture& picture) override;
    void show() override { shown = true; log.push_back("show"); }
    void minimise() override { log.push_back("minimise"); }
    void setClientHeight(int height) override;
    void beginCaptionDrag() override { log.push_back("drag"); }

    void createControl(const ControlSpec& desc) override;
    void destroyControl(int control) override;
    void setTooltip(int control, const std::string& text) override;
    void placePicture(int control, const common::Picture& picture) override;
    void removePicture(int control) override;
    void moveControl(int control, int x, int y) override;
    Rect controlRect(int control) override { return clientRect(control); }
    Rect controlScreenRect(int control) override;
    void setText(int control, const std::string& text) override;
    std::string text(int control) override;
    void navigate(int control, const std::string& address) override;

    void insertColumn(int control, const Column& column) override;
    void listClear(int control) override;
    void listAddRow(int control, const std::string& text) override;
    int listRowCount(int control) override;
    void listSelect(int control, int row) override;
    int listSelection(int control) override;
    std::string listRowText(int control, int row) override;

    void dropDownAdd(int control, const std::string& item) override;
    void dropDownOpen(int control) override;

    Point pointerScreen() override;
    Point pointerClient() override { return client; }
    bool leftButtonDown() override;
    void setHandCursor() override { log.push_back("hand"); }

    std::string openFileDialog(const std::string& title, const std::string& presetFile,
                               const std::string& filter) override;

    void startTimer(int periodMs, std::function<void()> handler) override;
    Event waitEvent() override;
    void sleepMs(int ms) override { log.push_back("sleep " + std::to_string(ms)); }
    void post(std::function<void()> task) override { posted.push_back(std::move(task)); }

    std::vector<std::function<void()>> posted;
    common::Picture background;
};

}  // namespace player::test
