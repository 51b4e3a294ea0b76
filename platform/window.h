#pragma once
// A plain top-level window holding controls addressed by their numbers, as the installer and the
// builder lay them out: group box, static texts, single-line edit fields, push buttons, progress
// bars and pictures, at fixed client positions. Texts are code page 1251.
//
// The window belongs to the thread that created it and runs its event loop (nextEvent); every
// other member may be called from any thread: a worker's updates are handed to the window's
// thread and done there before the call returns.

#include <memory>
#include <string>

#include "common/picture.h"

namespace platform {

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct Font {
    std::string face;
    int points = 0;
    bool bold = false;
};

struct WindowLayout {
    std::string caption;
    int clientWidth = 0;
    int clientHeight = 0;
    bool centred = false;  // else placed with its top-left corner at (x, y)
    int x = 0;
    int y = 0;
    bool closeBox = true;     // a system menu with a close box
    bool minimiseBox = true;
};

enum class WindowEventKind { Button, Close, Quit };

struct WindowEvent {
    WindowEventKind kind = WindowEventKind::Quit;
    int control = 0;  // the button's number
};

class Window {
public:
    virtual ~Window() = default;

    virtual void addGroupBox(int id, Rect r) = 0;
    virtual void addText(int id, Rect r, const std::string& text, const Font* font = nullptr) = 0;
    virtual void addEdit(int id, Rect r) = 0;
    virtual void addButton(int id, Rect r, const std::string& text) = 0;
    virtual void addProgressBar(int id, Rect r) = 0;  // range 0 to 100, position 0
    virtual void addPicture(int id, int x, int y, const common::Picture& picture) = 0;
    virtual void destroyControl(int id) = 0;

    virtual void setText(int id, const std::string& text) = 0;
    virtual std::string text(int id) = 0;
    virtual void setProgress(int id, int position) = 0;
    virtual void setEnabled(int id, bool enabled) = 0;

    virtual void show() = 0;

    // Waits for the next button press or close request; Quit once quit() was called.
    virtual WindowEvent nextEvent() = 0;
    // Makes nextEvent return Quit; any thread.
    virtual void quit() = 0;
};

}  // namespace platform
