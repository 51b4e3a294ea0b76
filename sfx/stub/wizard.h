#pragma once
// The installer's two-page wizard: welcome page, then the destination folder and the
// installation, which runs on a worker thread beside the window's event loop.

#include <atomic>
#include <functional>
#include <string>

#include "common/picture.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/system.h"
#include "platform/window.h"

namespace sfx::stub {

// Gadget numbers.
enum Gadget : int {
    kGroup = 1,
    kFolderField = 2,  // page 2; the welcome title on page 1
    kStatusText = 3,   // page 2: "Выберите папку назначения:", later the status
    kBrowseButton = 4,
    kProgressBar = 5,
    kProgressLabel = 6,
    kShortcutLabel = 7,
    kPicture = 9,
    kCancelButton = 10,
    kNextButton = 11,
    kInstallButton = 12,
};

struct WizardState {
    std::string ownPath;
    std::string installFolder;
    std::string shortcutFolder;
    int entryTotal = 0;
    int entriesDone = 0;
};

class Wizard {
public:
    // How the worker is started; a thread of its own in the program, at once in tests.
    using Launch = std::function<void(std::function<void()>)>;

    Wizard(platform::Window& window, platform::Files& files, platform::System& system, platform::Dialogs& dialogs,
           Launch launch);

    void buildPage1(const common::Picture& picture);
    void buildPage2();
    void browse();
    void install();
    void extractionWorker();

    // Handles one event; false when the program ends.
    bool handle(const platform::WindowEvent& event);
    // Start-up after the picture is decoded: page 1, own path, shown, event loop.
    void run(const common::Picture& picture);

    WizardState state;

private:
    platform::Window& window_;
    platform::Files& files_;
    platform::System& system_;
    platform::Dialogs& dialogs_;
    Launch launch_;
    bool onPage2_ = false;
    std::atomic<bool> workerRunning_{false};
};

// The closing message's text for a report of failed entries.
std::string failureText(const std::vector<std::string>& failed, bool allReached);

}  // namespace sfx::stub
