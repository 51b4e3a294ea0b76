#include "player/shell/skin.h"

namespace player {
namespace {
// The library, kept loaded to the end of the process like every library the runtime holds.
std::unique_ptr<platform::Library> skinLibrary;
}  // namespace

int loadSkin(Shell& shell, platform::LibraryLoader& loader) {
    auto library = loader.load(platform::libraryFileName(kSkinLibrary));
    if (!library)
        return 0;
    using NoArguments = int (*)();
    using LoadFile = int (*)(const char*, const char*);
    auto initialize = reinterpret_cast<NoArguments>(library->entry("InitializeSkin"));
    auto loadFile = reinterpret_cast<LoadFile>(library->entry("LoadSkinFile"));
    auto unload = reinterpret_cast<NoArguments>(library->entry("UnLoadSkin"));
    // A library without all three entry points is not the one the player knows: run unskinned.
    if (!initialize || !loadFile || !unload)
        return 0;
    initialize();
    loadFile(kSkinFile, "");
    shell.unloadSkin = reinterpret_cast<void (*)()>(unload);
    skinLibrary = std::move(library);
    return 1;
}

void unloadSkin(Shell& shell) {
    if (shell.unloadSkin)
        reinterpret_cast<int (*)()>(shell.unloadSkin)();
}

}  // namespace player
