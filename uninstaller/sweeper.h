#pragma once
// The uninstall procedure: presence test, confirmation, deleting the listed files and the
// Start-menu folder, the report, and self-deletion through the command interpreter.

#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/system.h"

namespace uninstaller {

void runSweeper(platform::Files& files, platform::System& system, platform::Dialogs& dialogs);

}  // namespace uninstaller
