#pragma once
// GTK is started once per process, on the first window or dialog; the thread that starts it is
// the user-interface thread, the only one that touches GTK.

#include <functional>

namespace platform::gtk {

// True when a display could be opened and GTK is ready.
bool ensureStarted();

// Lets GTK handle whatever is pending (so that a closed dialog really disappears).
void drainEvents();

// True on the thread that started GTK (and before GTK is started).
bool onUiThread();

// Runs the function on the user-interface thread and returns when it has run there; at once
// when called on that thread. The user-interface thread must be running its event loop.
void runOnUiThread(const std::function<void()>& function);

}  // namespace platform::gtk
