#pragma once
// The real implementations for this machine. Product code reaches the operating system and the
// toolkit only through these.

#include <memory>

#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/system.h"
#include "platform/window.h"

namespace platform {

Files& nativeFiles();
System& nativeSystem();
Dialogs& nativeDialogs();

// A new hidden window on the toolkit; nothing when no display can be opened. Create it on the
// thread that runs its event loop.
std::unique_ptr<Window> nativeWindow(const WindowLayout& layout);

}  // namespace platform
