#pragma once
// GTK is started once per process, on the first window or dialog.

namespace platform::gtk {

// True when a display could be opened and GTK is ready.
bool ensureStarted();

// Lets GTK handle whatever is pending (so that a closed dialog really disappears).
void drainEvents();

}  // namespace platform::gtk
