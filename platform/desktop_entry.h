#pragma once
// The Linux form of a program shortcut: a freedesktop desktop entry. Pure text, so that the
// native side only writes it.

#include <string>

#include "platform/system.h"

namespace platform {

// One argument of a desktop entry's Exec line: quoted when it holds anything but plain
// characters, with the characters the Exec rules reserve escaped.
std::string desktopExecArgument(const std::string& utf8);

// The entry for the shortcut's fields (texts in code page 1251, written as UTF-8). The entry's
// name is the link file's name without its folder and suffix.
std::string desktopEntryText(const ShortcutFields& fields);

}  // namespace platform
