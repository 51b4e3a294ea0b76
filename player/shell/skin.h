#pragma once
// The optional skinning library, "SkinFeature": looked for once, before any window exists.

#include "platform/library/library.h"
#include "player/shell/shell.h"

namespace player {

inline constexpr const char* kSkinLibrary = "SkinFeature";
inline constexpr const char* kSkinFile = "Vantor.rss";

// 1 when the library was found with its three entry points and the skin file handed to it;
// 0 otherwise (then no entry point is called). Keeps the unload entry in the shell.
int loadSkin(Shell& shell, platform::LibraryLoader& loader);
// The exit path's call, when the skin was loaded.
void unloadSkin(Shell& shell);

}  // namespace player
