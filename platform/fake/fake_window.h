#pragma once
// A window kept in memory for unit tests: controls by number with their kind, place and state,
// every progress position and text ever set, and a script of events.

#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/window.h"

namespace platform::fake {

enum class ControlKind { GroupBox, Text, Edit, Button, ProgressBar, Picture };

struct FakeControl {
    ControlKind kind = ControlKind::Text;
    Rect rect;
    std::string text;
    int progress = 0;
    bool enabled = true;
    Font font;
    std::vector<int> progressHistory;
    std::vector<std::string> textHistory;
};

class FakeWindow final : public Window {
public:
    std::map<int, FakeControl> controls;
    std::deque<WindowEvent> events;
    bool shown = false;
    bool quitRequested = false;

    void addGroupBox(int id, Rect r) override { add(id, ControlKind::GroupBox, r, {}); }
    void addText(int id, Rect r, const std::string& text, const Font* font) override {
        add(id, ControlKind::Text, r, text);
        if (font)
            controls[id].font = *font;
    }
    void addEdit(int id, Rect r) override { add(id, ControlKind::Edit, r, {}); }
    void addButton(int id, Rect r, const std::string& text) override { add(id, ControlKind::Button, r, text); }
    void addProgressBar(int id, Rect r) override { add(id, ControlKind::ProgressBar, r, {}); }
    void addPicture(int id, int x, int y, const common::Picture& p) override {
        add(id, ControlKind::Picture, Rect{x, y, p.width, p.height}, {});
    }
    void destroyControl(int id) override {
        std::lock_guard lock(mutex_);
        controls.erase(id);
    }
    void setText(int id, const std::string& text) override {
        std::lock_guard lock(mutex_);
        auto it = controls.find(id);
        if (it != controls.end()) {
            it->second.text = text;
            it->second.textHistory.push_back(text);
        }
    }
    std::string text(int id) override {
        std::lock_guard lock(mutex_);
        auto it = controls.find(id);
        return it == controls.end() ? std::string() : it->second.text;
    }
    void setProgress(int id, int position) override {
        std::lock_guard lock(mutex_);
        auto it = controls.find(id);
        if (it != controls.end()) {
            it->second.progress = position;
            it->second.progressHistory.push_back(position);
        }
    }
    void setEnabled(int id, bool enabled) override {
        std::lock_guard lock(mutex_);
        auto it = controls.find(id);
        if (it != controls.end())
            it->second.enabled = enabled;
    }
    void show() override { shown = true; }
    WindowEvent nextEvent() override {
        std::lock_guard lock(mutex_);
        if (quitRequested || events.empty())
            return {WindowEventKind::Quit, 0};
        WindowEvent e = events.front();
        events.pop_front();
        return e;
    }
    void quit() override {
        std::lock_guard lock(mutex_);
        quitRequested = true;
    }

private:
    void add(int id, ControlKind kind, Rect r, const std::string& text) {
        std::lock_guard lock(mutex_);
        FakeControl c;
        c.kind = kind;
        c.rect = r;
        c.text = text;
        controls[id] = c;
    }
    std::mutex mutex_;
};

}  // namespace platform::fake
