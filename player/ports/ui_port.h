#pragma once
// The main window as the player's logic sees it: one borderless window (number 0) whose
// controls are addressed by their fixed numbers, never by objects. The toolkit implements it;
// tests use a recording fake. Texts are code page 1251. Called on the user-interface thread only
// (but post).

#include <functional>
#include <string>
#include <vector>

#include "common/picture.h"

namespace player {

enum class ControlKind { Image, Label, Edit, Container, DropDown, ReportList, Browser };

struct Rect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    bool operator==(const Rect&) const = default;
};

struct Point {
    int x = -1;
    int y = -1;
    bool operator==(const Point&) const = default;
};

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    bool operator==(const Rgb&) const = default;
};

// One report-list column; inserted at `index`.
struct Column {
    int index = 0;
    std::string title;
    int width = 0;
};

struct ControlSpec {
    int number = 0;
    ControlKind kind = ControlKind::Image;
    int parent = 0;  // 0: the window itself; otherwise the container's number
    Rect rect;
    std::string text;       // start text of a label or edit field, start address of a browser
    bool hasColours = false;
    Rgb textColour;
    Rgb backColour;
    Rgb lineColour;         // report list: grid lines
};

// Event codes as the loop receives them.
inline constexpr int kControlEvent = 13100;
inline constexpr int kLeftButtonDown = 513;
inline constexpr int kPointerMove = 512;
inline constexpr int kTimerEvent = 275;
inline constexpr int kCloseRequest = 16;

// Control event types.
inline constexpr int kLeftClick = 0;
inline constexpr int kRightClick = 1;
inline constexpr int kDoubleClick = 2;

struct Event {
    int code = 0;
    int window = 0;
    int control = 0;  // control events only
    int type = 0;     // control events only
};

class UiPort {
public:
    virtual ~UiPort() = default;

    // The main window, hidden, at a position and client size; false when no window can exist.
    virtual bool createMainWindow(int x, int y, int width, int height) = 0;
    virtual int screenWidth() = 0;
    // Tiled over the client area from its top-left corner.
    virtual void setBackground(const common::Picture& picture) = 0;
    virtual void show() = 0;
    virtual void minimise() = 0;
    // Width and position stay; the window grows or shrinks at its bottom edge.
    virtual void setClientHeight(int height) = 0;
    // The system moves the window with the pointer until the left button is released.
    virtual void beginCaptionDrag() = 0;

    virtual void createControl(const ControlSpec& desc) = 0;
    virtual void destroyControl(int control) = 0;
    virtual void setTooltip(int control, const std::string& text) = 0;
    // An image control takes the picture's size; it keeps that size when the picture is removed.
    virtual void placePicture(int control, const common::Picture& picture) = 0;
    virtual void removePicture(int control) = 0;
    virtual void moveControl(int control, int x, int y) = 0;
    // Relative to the main window's client area (a control in a container: container + own).
    virtual Rect controlRect(int control) = 0;
    virtual Rect controlScreenRect(int control) = 0;
    virtual void setText(int control, const std::string& text) = 0;
    virtual std::string text(int control) = 0;
    virtual void navigate(int control, const std::string& address) = 0;

    // Report list.
    virtual void insertColumn(int control, const Column& column) = 0;
    virtual void listClear(int control) = 0;
    virtual void listAddRow(int control, const std::string& text) = 0;  // "\n" separates columns
    virtual int listRowCount(int control) = 0;
    virtual void listSelect(int control, int row) = 0;  // -1 or past the end: none
    virtual int listSelection(int control) = 0;          // -1 when none
    virtual std::string listRowText(int control, int row) = 0;

    // Drop-down list.
    virtual void dropDownAdd(int control, const std::string& item) = 0;
    virtual void dropDownOpen(int control) = 0;

    // The pointer: on the screen, and in the client area (-1, -1 outside it).
    virtual Point pointerScreen() = 0;
    virtual Point pointerClient() = 0;
    virtual bool leftButtonDown() = 0;
    virtual void setHandCursor() = 0;

    // A modal open-file dialog; the empty text when cancelled. `filter` is "description|pattern".
    virtual std::string openFileDialog(const std::string& title, const std::string& presetFile,
                                       const std::string& filter) = 0;

    // The periodic timer: the handler runs on this thread between events, inside waitEvent.
    virtual void startTimer(int periodMs, std::function<void()> handler) = 0;
    // Blocks until the next event; timer ticks and posted tasks run meanwhile, and a tick also
    // yields an event of its own (kTimerEvent).
    virtual Event waitEvent() = 0;
    // Pauses the thread; nothing is handled meanwhile.
    virtual void sleepMs(int ms) = 0;
    // Any thread: the task runs on the user-interface thread within waitEvent.
    virtual void post(std::function<void()> task) = 0;
};

}  // namespace player
