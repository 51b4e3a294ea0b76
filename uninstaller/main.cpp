// Sweeper: removes an installed VT-90 from its install folder.

#include "platform/native.h"
#include "uninstaller/sweeper.h"

int main() {
    uninstaller::runSweeper(platform::nativeFiles(), platform::nativeSystem(), platform::nativeDialogs());
    return 0;
}
