#include "sfx/stub/wizard.h"


#include "platform/names.h"
#include "sfx/container/find_archive.h"
#include "sfx/stub/extraction.h"
#include "sfx/stub/shortcut.h"
#include "sfx/stub/wizard_texts.h"

namespace sfx::stub {

using platform::Rect;

namespace {
constexpr size_t kNamesShown = 15;
}

std::string failureText(const std::vector<std::string>& failed, bool allReached) {
    std::string text;
    if (!failed.empty()) {
        text = kSomeFailed;
        for (size_t i = 0; i < failed.size() && i < kNamesShown; ++i)
            text += "\r" + failed[i];
        if (failed.size() > kNamesShown)
            text += "\r" + std::string(kMoreFailed) + std::to_string(failed.size() - kNamesShown);
    }
    if (!allReached) {
        if (!text.empty())
            text += "\r";
        text += kNotReached;
    }
    return text;
}

Wizard::Wizard(platform::Window& window, platform::Files& files, platform::System& system,
               platform::Dialogs& dialogs, Launch launch)
    : window_(window), files_(files), system_(system), dialogs_(dialogs), launch_(std::move(launch)) {}

void Wizard::buildPage1(const common::Picture& picture) {
    const platform::Font titleFont{"Courier New", 14, true};
    window_.addGroupBox(kGroup, Rect{5, 0, 500, 295});
    window_.addText(2, Rect{15, 10, 470, 45}, kWelcome, &titleFont);
    window_.addText(3, Rect{15, 60, 470, 15}, kIntro);
    window_.addText(4, Rect{15, 80, 470, 30}, kCloseOthers);
    window_.addText(5, Rect{15, 115, 470, 30}, kPressNext);
    window_.addPicture(kPicture, 10, 160, picture);
    window_.addButton(kCancelButton, Rect{20, 265, 70, 20}, kCancel);
    window_.addButton(kNextButton, Rect{420, 265, 70, 20}, kNext);
}

void Wizard::buildPage2() {
    if (onPage2_)
        return;
    onPage2_ = true;
    for (int id : {2, 3, 4, 5, 11})
        window_.destroyControl(id);
    window_.addText(kStatusText, Rect{15, 20, 245, 15}, kChooseFolder);
    window_.addEdit(kFolderField, Rect{15, 40, 260, 20});
    window_.addButton(kBrowseButton, Rect{290, 40, 60, 20}, kBrowse);
    window_.addText(kProgressLabel, Rect{15, 70, 240, 15}, kProgressText);
    window_.addProgressBar(kProgressBar, Rect{25, 90, 460, 15});
    window_.addText(kShortcutLabel, Rect{15, 120, 240, 15}, kShortcutNote);
    window_.addButton(kInstallButton, Rect{420, 265, 70, 20}, kInstall);
}

void Wizard::browse() {
    const std::string answer = dialogs_.chooseFolder(kBrowseTitle);
    // A cancelled chooser changes nothing, the remembered shortcut folder included.
    if (answer.empty())
        return;
    const std::string chosen = platform::withTrailingSeparator(answer) + kPlayerFolder + platform::kPathSeparator;
    state.shortcutFolder = chosen;
    window_.setText(kFolderField, chosen);
}

void Wizard::install() {
    // One installation at a time: the button stays insensitive while the worker runs.
    if (workerRunning_.exchange(true))
        return;
    window_.setEnabled(kInstallButton, false);
    launch_([this] { extractionWorker(); });

    // The shortcut goes to the folder chosen with Browse; after a typed folder it goes to that
    // folder, so that it never points at a bare relative name. Nothing is placed while the
    // field is empty, since nothing will be installed.
    const std::string typed = window_.text(kFolderField);
    if (typed.empty())
        return;
    const std::string folder =
        state.shortcutFolder.empty() ? platform::withTrailingSeparator(typed) : state.shortcutFolder;
    placeDesktopShortcut(system_, folder);
}

void Wizard::extractionWorker() {
    state.installFolder = window_.text(kFolderField);
    if (state.installFolder.empty()) {
        dialogs_.messageBox(kWarningTitle, kNoFolder, platform::MessageButtons::Ok, platform::MessageIcon::Warning);
        window_.setEnabled(kInstallButton, true);
        workerRunning_ = false;
        return;
    }
    Archive archive = findArchive(files_, state.ownPath);
    const bool opened = static_cast<bool>(archive);
    ExtractionReport report;
    if (opened) {
        window_.setText(kStatusText, kExtracting);
        report = extractArchive(files_, static_cast<unzFile>(archive.get()), state.installFolder, [&](int percent) {
            window_.setProgress(kProgressBar, percent);
            ++state.entriesDone;
        });
        state.entryTotal = report.total;
        archive.reset();
    }
    window_.setText(kStatusText, kReady);
    const std::string title = std::to_string(report.total);
    if (!opened) {
        // A bare stub, or an installer cut short or damaged where its directory lies.
        dialogs_.messageBox(kWarningTitle, kNoArchive, platform::MessageButtons::Ok, platform::MessageIcon::Warning);
    } else if (report.succeeded()) {
        dialogs_.messageBox(title, kSuccess, platform::MessageButtons::Ok, platform::MessageIcon::Information);
    } else {
        dialogs_.messageBox(title, failureText(report.failed, report.processed == report.total),
                            platform::MessageButtons::Ok, platform::MessageIcon::Warning);
    }
    window_.quit();
}

bool Wizard::handle(const platform::WindowEvent& event) {
    if (event.kind != platform::WindowEventKind::Button)
        return false;  // the close box, or the worker ended the program
    switch (event.control) {
    case kCancelButton: return false;
    case kNextButton: buildPage2(); break;
    case kBrowseButton: browse(); break;
    case kInstallButton: install(); break;
    default: break;
    }
    return true;
}

void Wizard::run(const common::Picture& picture) {
    buildPage1(picture);
    state.ownPath = system_.executablePath();
    window_.show();
    while (handle(window_.nextEvent())) {
    }
}

}  // namespace sfx::stub
