#pragma once
// The window's chrome: the pointer handlers run after every event, the drag band, and the
// expand/collapse toggle.

#include "player/shell/shell.h"

namespace player {

// The pointer lies in the control's rectangle on the screen, left and top edges included;
// read at the moment of the test. An empty rectangle is never under the pointer.
bool pointerOver(Shell& shell, int control);

// Client x 1 to 1079 and y 1 to 90, inclusive; (-1, -1) is outside.
bool inDragBand(Point client);

void handCursorHandler(Shell& shell, int eventCode);
void captionHoverHandler(Shell& shell, int eventCode);
void volumeDragHandler(Shell& shell, int eventCode);

void toggleExpanded(Shell& shell);

}  // namespace player
