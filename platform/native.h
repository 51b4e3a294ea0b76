#pragma once
// The real implementations for this machine. Product code reaches the operating system and the
// toolkit only through these.

#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/system.h"

namespace platform {

Files& nativeFiles();
System& nativeSystem();
Dialogs& nativeDialogs();

}  // namespace platform
