#pragma once
// The builder's window and build procedure: a folder becomes an installer (the stub, the
// folder's archive and the archive's length) on a worker thread beside the event loop.

#include <atomic>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/picture.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/system.h"
#include "platform/window.h"
#include "sfx/container/add_folder.h"

namespace sfx::builder {

enum Gadget : int {
    kFolderField = 0,
    kBanner = 1,
    kFolderLabel = 2,
    kBrowseButton = 3,
    kProgressBar = 4,
    kStatusLine = 5,
    kExitButton = 6,
    kPackButton = 7,
    kAboutButton = 8,
};

// Regular files in the folder and all its sub-folders.
int countFiles(platform::Files& files, const std::string& folder);

// A path in the temporary folder at which nothing exists: the prefix and a number from 0 to 99
// drawn by random(); once 100 draws met taken names, the prefix, the process number and a
// running number, so the search always ends.
std::string makeTempArchiveName(platform::Files& files, platform::System& system, const std::string& prefix,
                                const std::function<int()>& random);

// The installer's file name from the save dialog's answer: on Windows ".exe" is appended unless
// the name already ends with it in any letter case; elsewhere the name stays as typed.
std::string installerOutputName(const std::string& answer, bool windows);

// The percentage as the bar shows it: nearest integer, halves to the even neighbour.
int barPosition(double percent);

struct BuildState {
    std::string sourceFolder;
    std::string outputFile;
    std::string tempArchive;
    int fileCount = 0;
    int addedCount = 0;
};

class Builder {
public:
    using Launch = std::function<void(std::function<void()>)>;

    Builder(platform::Window& window, platform::Files& files, platform::System& system, platform::Dialogs& dialogs,
            std::string_view stubImage, Launch launch, PackOptions packOptions = {});

    void buildWindow(const common::Picture& banner);
    void about();
    void browse();
    void startBuild();
    void buildWorker();
    void reportProgress(const std::string& path, double percent);

    // Handles one event; false when the program ends.
    bool handle(const platform::WindowEvent& event);
    void run(const common::Picture& banner);

    BuildState state;
    bool buildRunning() const { return buildRunning_; }

private:
    platform::Window& window_;
    platform::Files& files_;
    platform::System& system_;
    platform::Dialogs& dialogs_;
    std::string_view stubImage_;
    Launch launch_;
    PackOptions packOptions_;
    std::atomic<bool> buildRunning_{false};
};

}  // namespace sfx::builder
