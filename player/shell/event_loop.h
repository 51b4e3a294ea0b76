#pragma once
// The event loop: one turn per event, in a fixed order (end-of-track advance, pointer read,
// dispatch, pointer handlers), until the quit button ends it.

#include "player/shell/shell.h"

namespace player {

enum class Turn { Continue, Exit };

// One turn: waits for an event and handles it. Exit after the exit path has run.
Turn loopTurn(Shell& shell);
// Turns until the exit path; answers the process's exit code.
int runEventLoop(Shell& shell);

// Shows picture n in control n for 100 ms: the pressed look of the invisible image buttons.
void pressFlash(Shell& shell, int control);
// Places the list button's picture and grows the window to show the list.
void expand(Shell& shell);
// The end-of-track advance of one turn.
void advanceAtEndOfTrack(Shell& shell);
// An event of the main list (control 12), of any type.
void mainListEvent(Shell& shell, int type);
// Destroys the history list and unloads the skin; the caller ends the process.
void exitPath(Shell& shell);

}  // namespace player
