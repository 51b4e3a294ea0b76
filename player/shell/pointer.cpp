#include "player/shell/pointer.h"

#include "player/shell/controls.h"

namespace player {

bool pointerOver(Shell& shell, int control) {
    const Rect r = shell.ui.controlScreenRect(control);
    if (r.w <= 0 || r.h <= 0)
        return false;
    const Point p = shell.ui.pointerScreen();
    return p.x >= r.x && p.x < r.x + r.w && p.y >= r.y && p.y < r.y + r.h;
}

bool inDragBand(Point client) {
    return client.x >= 1 && client.x <= 1079 && client.y >= 1 && client.y <= 90;
}

void handCursorHandler(Shell& shell, int eventCode) {
    if (eventCode != kPointerMove)
        return;
    static constexpr int kHandControls[] = {2, 31, 28, 27, 25, 5, 4, 10, 11, 13, 14, 15, 17, 16};
    for (int control : kHandControls) {
        if (pointerOver(shell, control)) {
            shell.ui.setHandCursor();
            return;
        }
    }
}

void captionHoverHandler(Shell& shell, int eventCode) {
    if (eventCode != kPointerMove)
        return;
    const common::Picture* lit = shell.image(kCaptionLitImage);
    for (int control : {kMinimiseButton, kIdleCaptionButton, kQuitButton}) {
        if (pointerOver(shell, control)) {
            shell.state.buttonLit = 1;
            if (lit)
                shell.ui.placePicture(control, *lit);
            return;
        }
    }
    if (shell.state.buttonLit == 1) {
        shell.state.buttonLit = 0;
        if (const common::Picture* normal = shell.image(kCaptionNormalImage))
            for (int control : {kMinimiseButton, kIdleCaptionButton, kQuitButton})
                shell.ui.placePicture(control, *normal);
    }
}

void volumeDragHandler(Shell& shell, int eventCode) {
    if (eventCode != kPointerMove || !pointerOver(shell, kVolumeSlider))
        return;
    shell.ui.setHandCursor();
    // The first answer of the asynchronous button state may tell of a press since the last
    // question; only the second one says whether the button is held now.
    shell.ui.leftButtonDown();
    if (!shell.ui.leftButtonDown())
        return;
    int knob = shell.ui.pointerClient().x - 186 - 6;
    if (knob >= 60)
        knob = 60;
    else if (knob <= 0)
        knob = 0;
    shell.state.volumeKnob = knob;
}

void toggleExpanded(Shell& shell) {
    auto& s = shell.state;
    s.listExpanded = 1 - s.listExpanded;
    if (s.listExpanded == 1) {
        if (auto* picture = shell.image(kListExpandedImage))
            shell.ui.placePicture(kListButton, *picture);
        shell.ui.setClientHeight(kExpandedHeight);
    } else {
        shell.ui.removePicture(kListButton);
        shell.ui.setClientHeight(kCollapsedHeight);
    }
}

}  // namespace player
