#include "fake_ui.h"

#include <stdexcept>

namespace player::test {

Rect FakeUi::clientRect(int control) {
    FakeControl& c = controls.at(control);
    Rect r = c.rect;
    if (c.desc.parent != 0) {
        const Rect parent = clientRect(c.desc.parent);
        r.x += parent.x;
        r.y += parent.y;
    }
    return r;
}

int FakeUi::count(const std::string& line) const {
    int n = 0;
    for (const auto& l : log)
        n += l == line;
    return n;
}

bool FakeUi::createMainWindow(int x, int y, int width, int height) {
    log.push_back("window");
    if (!windowPossible)
        return false;
    windowCreated = true;
    window = {x, y, width, height};
    return true;
}

void FakeUi::setBackground(const common::Picture& picture) { background = picture; }

void FakeUi::setClientHeight(int height) {
    window.h = height;
    log.push_back("height " + std::to_string(height));
}

void FakeUi::createControl(const ControlSpec& desc) {
    if (controls.count(desc.number) && !controls[desc.number].destroyed)
        throw std::logic_error("control created twice: " + std::to_string(desc.number));
    FakeControl c;
    c.desc = desc;
    c.rect = desc.rect;
    c.text = desc.text;
    controls[desc.number] = c;
    creationOrder.push_back(desc.number);
}

void FakeUi::destroyControl(int control) {
    at(control).destroyed = true;
    log.push_back("destroy " + std::to_string(control));
}

void FakeUi::setTooltip(int control, const std::string& text) { at(control).tooltip = text; }

void FakeUi::placePicture(int control, const common::Picture& picture) {
    FakeControl& c = at(control);
    c.hasPicture = true;
    c.picture = picture;
    c.rect.w = picture.width;
    c.rect.h = picture.height;
    log.push_back("place " + std::to_string(control));
}

void FakeUi::removePicture(int control) {
    at(control).hasPicture = false;
    log.push_back("remove " + std::to_string(control));
}

void FakeUi::moveControl(int control, int x, int y) {
    at(control).rect.x = x;
    at(control).rect.y = y;
    log.push_back("move " + std::to_string(control) + " " + std::to_string(x) + " " + std::to_string(y));
}

Rect FakeUi::controlScreenRect(int control) {
    Rect r = clientRect(control);
    r.x += window.x;
    r.y += window.y;
    return r;
}

void FakeUi::setText(int control, const std::string& text) { at(control).text = text; }

std::string FakeUi::text(int control) {
    FakeControl& c = at(control);
    if (c.desc.kind == ControlKind::DropDown)
        return c.selection >= 0 && c.selection < static_cast<int>(c.items.size())
                   ? c.items[static_cast<size_t>(c.selection)]
                   : std::string();
    return c.text;
}

void FakeUi::navigate(int control, const std::string& address) {
    at(control).text = address;
    log.push_back("navigate " + std::to_string(control) + " " + address);
}

void FakeUi::insertColumn(int control, const Column& column) {
    auto& columns = at(control).columns;
    columns.insert(columns.begin() + std::min<size_t>(static_cast<size_t>(column.index), columns.size()), column);
}

void FakeUi::listClear(int control) {
    at(control).rows.clear();
    at(control).selection = -1;
}

void FakeUi::listAddRow(int control, const std::string& text) { at(control).rows.push_back(text); }

int FakeUi::listRowCount(int control) { return static_cast<int>(at(control).rows.size()); }

void FakeUi::listSelect(int control, int row) {
    FakeControl& c = at(control);
    c.selection = row >= 0 && row < static_cast<int>(c.rows.size()) ? row : -1;
}

int FakeUi::listSelection(int control) { return at(control).selection; }

std::string FakeUi::listRowText(int control, int row) {
    FakeControl& c = at(control);
    if (row < 0 || row >= static_cast<int>(c.rows.size()))
        return {};
    const std::string& text = c.rows[static_cast<size_t>(row)];
    return text.substr(0, text.find('\n'));
}

void FakeUi::dropDownAdd(int control, const std::string& item) { at(control).items.push_back(item); }

void FakeUi::dropDownOpen(int control) { log.push_back("open " + std::to_string(control)); }

Point FakeUi::pointerScreen() {
    if (client.x < 0 || client.y < 0)
        return {-100000, -100000};
    return {client.x + window.x, client.y + window.y};
}

bool FakeUi::leftButtonDown() {
    if (buttonAnswers.empty())
        return buttonHeld;
    const bool answer = buttonAnswers.front();
    buttonAnswers.pop_front();
    return answer;
}

std::string FakeUi::openFileDialog(const std::string& title, const std::string& presetFile,
                                   const std::string& filter) {
    log.push_back("dialog [" + title + "] [" + presetFile + "] [" + filter + "]");
    return dialogAnswer;
}

void FakeUi::startTimer(int periodMs, std::function<void()> handler) {
    timerPeriod = periodMs;
    timer = std::move(handler);
}

Event FakeUi::waitEvent() {
    for (auto& task : posted)
        task();
    posted.clear();
    if (script.empty())
        throw std::runtime_error("the test's event script has run out");
    Step step = script.front();
    script.pop_front();
    if (step.pointer)
        client = *step.pointer;
    if (step.tick && timer)
        timer();
    return step.event;
}

}  // namespace player::test
