// A player window made through the window port alone. Commands arrive on standard input (read
// by a second thread and handed over with post, as the thumbnail worker does); every event the
// loop receives is written to standard output.

#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>

#include "platform/player_window/player_window.h"

using namespace player;

namespace {

common::Picture solid(int w, int h, int r, int g, int b) {
    common::Picture p = common::Picture::blank(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t* px = p.pixel(x, y);
            px[0] = static_cast<uint8_t>(r);
            px[1] = static_cast<uint8_t>(g);
            px[2] = static_cast<uint8_t>(b);
        }
    return p;
}

ControlSpec desc(int number, ControlKind kind, int parent, Rect rect, std::string text = {}) {
    ControlSpec s;
    s.number = number;
    s.kind = kind;
    s.parent = parent;
    s.rect = rect;
    s.text = std::move(text);
    return s;
}

ControlSpec coloured(ControlSpec s, Rgb text, Rgb back, Rgb lines = {}) {
    s.hasColours = true;
    s.textColour = text;
    s.backColour = back;
    s.lineColour = lines;
    return s;
}

// Texts go out with their blanks as underscores, so that a line splits at its blanks.
std::string word(std::string text) {
    for (char& c : text)
        if (c == ' ')
            c = '_';
    return text;
}

void say(const std::string& line) {
    std::cout << line << std::endl;
}

}  // namespace

int main() {
    auto ui = platform::player_window::makePlayerWindow();
    if (!ui) {
        std::fprintf(stderr, "no display\n");
        return 1;
    }
    const int x = ui->screenWidth() / 2 - 590;
    if (!ui->createMainWindow(x, 240, 1183, 91))
        return 1;
    ui->setBackground(solid(1183, 560, 30, 30, 30));
    ui->createControl(desc(14, ControlKind::Image, 0, {953, 31, 24, 18}));
    ui->createControl(desc(10, ControlKind::Image, 0, {63, 31, 33, 11}));
    ui->createControl(desc(100, ControlKind::Image, 0, {372, 27, 0, 0}));
    ui->createControl(desc(29, ControlKind::Container, 0, {30, 70, 100, 0}));
    ui->createControl(coloured(desc(30, ControlKind::DropDown, 29, {0, 5, 250, 10}), {129, 129, 129}, {24, 24, 24}));
    for (const char* item : {"Depeche Mode", "Moby", "Enigma"})
        ui->dropDownAdd(30, item);
    ui->createControl(coloured(desc(23, ControlKind::Edit, 0, {1020, 33, 120, 14}, "Depeche Mode Remix"),
                               {137, 127, 98}, {51, 51, 51}));
    ui->createControl(desc(24, ControlKind::Container, 0, {10, 100, 450, 395}));
    ui->createControl(coloured(desc(12, ControlKind::ReportList, 24, {0, 0, 450, 395}), {112, 112, 112},
                               {16, 16, 16}, {41, 41, 41}));
    ui->insertColumn(12, {0, "  Time", 50});
    ui->insertColumn(12, {0, "      Result", 370});
    ui->setTooltip(14, "Search");
    ui->startTimer(55, [] {});
    ui->show();
    say("ready");

    std::thread reader([&] {
        std::string line;
        while (std::getline(std::cin, line))
            ui->post([&ui, line] {
                std::istringstream in(line);
                std::string what;
                in >> what;
                int n = 0, a = 0, b = 0, c = 0, d = 0, e = 0;
                if (what == "place" && in >> n >> a >> b >> c >> d >> e) {
                    ui->placePicture(n, solid(a, b, c, d, e));
                } else if (what == "remove" && in >> n) {
                    ui->removePicture(n);
                } else if (what == "height" && in >> n) {
                    ui->setClientHeight(n);
                } else if (what == "rows" && in >> n) {
                    ui->listClear(12);
                    for (int i = 0; i < n; ++i)
                        ui->listAddRow(12, "Row " + std::to_string(i) + "\n0:" + std::to_string(10 + i % 50));
                } else if (what == "select" && in >> n) {
                    ui->listSelect(12, n);
                } else if (what == "open") {
                    ui->dropDownOpen(30);
                } else if (what == "move" && in >> n >> a >> b) {
                    ui->moveControl(n, a, b);
                } else if (what == "hand") {
                    ui->setHandCursor();
                } else if (what == "state") {
                    const Rect r = ui->controlRect(14);
                    const Point p = ui->pointerClient();
                    say("state rows=" + std::to_string(ui->listRowCount(12)) +
                        " selection=" + std::to_string(ui->listSelection(12)) + " row0=" + word(ui->listRowText(12, 0)) +
                        " rect14=" + std::to_string(r.w) + "x" + std::to_string(r.h) + " pointer=" +
                        std::to_string(p.x) + "," + std::to_string(p.y) + " edit=" + word(ui->text(23)) +
                        " drop=" + word(ui->text(30)) + " button=" + std::to_string(ui->leftButtonDown()));
                } else if (what == "quit") {
                    say("bye");
                    std::_Exit(0);
                }
                say("done " + what);
            });
    });
    reader.detach();

    long ticks = 0;
    for (;;) {
        const Event event = ui->waitEvent();
        if (event.code == kTimerEvent) {
            if (++ticks == 3)
                say("ticking");
            continue;
        }
        say("event " + std::to_string(event.code) + " " + std::to_string(event.control) + " " +
            std::to_string(event.type));
    }
}
