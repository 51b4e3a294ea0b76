#pragma once
// The ports the web catalogue writes through (the main list, the views, the hand-over to the
// user-interface thread), realised over the window's numbered controls.

#include "player/ports/main_list.h"
#include "player/ports/ui_port.h"
#include "player/ports/ui_thread.h"
#include "player/ports/views.h"

namespace player {

class ControlMainList final : public MainList {
public:
    explicit ControlMainList(UiPort& ui, int control = 12) : ui_(ui), control_(control) {}
    void clear() override { ui_.listClear(control_); }
    void addRow(const std::string& text) override { ui_.listAddRow(control_, text); }
    int rowCount() override { return ui_.listRowCount(control_); }
    void select(int row) override { ui_.listSelect(control_, row); }
    int selection() override { return ui_.listSelection(control_); }
    std::string rowText(int row) override { return ui_.listRowText(control_, row); }

private:
    UiPort& ui_;
    int control_;
};

class ControlViews final : public Views {
public:
    explicit ControlViews(UiPort& ui) : ui_(ui) {}
    void showPicture(int control, const common::Picture& picture) override {
        ui_.placePicture(control, picture);
    }
    void setText(int control, const std::string& text) override { ui_.setText(control, text); }
    void navigate(int control, const std::string& address) override { ui_.navigate(control, address); }

private:
    UiPort& ui_;
};

class WindowUiThread final : public UiThread {
public:
    explicit WindowUiThread(UiPort& ui) : ui_(ui) {}
    void post(std::function<void()> task) override { ui_.post(std::move(task)); }

private:
    UiPort& ui_;
};

}  // namespace player
