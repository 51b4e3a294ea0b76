#include "sfx/builder/build_procedure.h"

#include <cmath>
#include <random>

#include "platform/names.h"
#include "sfx/builder/builder_texts.h"
#include "sfx/container/installer_file.h"

namespace sfx::builder {

using platform::Rect;

namespace {
constexpr size_t kNamesShown = 15;

bool isTaken(platform::Files& files, const std::string& path) {
    return files.pathInfo(path).kind != platform::PathKind::Missing;
}
}  // namespace

int countFiles(platform::Files& files, const std::string& folderIn) {
    const std::string folder = platform::withTrailingSeparator(folderIn);
    auto entries = files.listFolder(folder, "*.*");
    if (!entries)
        return 0;
    int total = 0;
    for (const platform::FolderEntry& e : *entries) {
        if (e.name == "." || e.name == "..")
            continue;
        if (!e.isFolder)
            ++total;
        else if (!e.isLink)  // the packer does not follow links to folders either
            total += countFiles(files, folder + e.name);
    }
    return total;
}

std::string makeTempArchiveName(platform::Files& files, platform::System& system, const std::string& prefix,
                                const std::function<int()>& random) {
    const std::string folder = platform::withTrailingSeparator(system.temporaryFolder());
    for (int draw = 0; draw < 100; ++draw) {
        const std::string candidate = folder + prefix + std::to_string(random() % 100);
        if (!isTaken(files, candidate))
            return candidate;
    }
    const std::string base = folder + prefix + "-" + std::to_string(system.processId()) + "-";
    for (unsigned n = 0;; ++n) {
        const std::string candidate = base + std::to_string(n);
        if (!isTaken(files, candidate))
            return candidate;
    }
}

std::string installerOutputName(const std::string& answer, bool windows) {
    if (!windows)
        return answer;
    std::string tail = answer.size() >= 4 ? answer.substr(answer.size() - 4) : answer;
    for (char& c : tail)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 32);
    return tail == ".exe" ? answer : answer + ".exe";
}

int barPosition(double percent) { return static_cast<int>(std::nearbyint(percent)); }

Builder::Builder(platform::Window& window, platform::Files& files, platform::System& system,
                 platform::Dialogs& dialogs, std::string_view stubImage, Launch launch, PackOptions packOptions)
    : window_(window),
      files_(files),
      system_(system),
      dialogs_(dialogs),
      stubImage_(stubImage),
      launch_(std::move(launch)),
      packOptions_(packOptions) {}

void Builder::buildWindow(const common::Picture& banner) {
    window_.addEdit(kFolderField, Rect{5, 60, 180, 20});
    window_.addPicture(kBanner, 0, 0, banner);
    window_.addText(kFolderLabel, Rect{5, 45, 245, 15}, kChooseFolder);
    window_.addButton(kBrowseButton, Rect{190, 60, 60, 20}, kBrowse);
    window_.addProgressBar(kProgressBar, Rect{5, 110, 240, 15});
    window_.addText(kStatusLine, Rect{5, 90, 240, 15}, kIdle);
    window_.addButton(kExitButton, Rect{125, 135, 60, 20}, kExit);
    window_.addButton(kPackButton, Rect{190, 135, 60, 20}, kPack);
    window_.addButton(kAboutButton, Rect{5, 135, 60, 20}, kAbout);
}

void Builder::about() {
    dialogs_.messageBox(kAboutTitle, kAboutText, platform::MessageButtons::Ok, platform::MessageIcon::Information);
}

void Builder::browse() {
    const std::string answer = dialogs_.chooseFolder(kBrowseTitle);
    if (answer.empty())
        return;
    window_.setText(kFolderField, platform::withTrailingSeparator(answer));
}

void Builder::startBuild() {
    // "Сжать!" is insensitive while a build runs, so a second build never overlaps the first.
    if (buildRunning_)
        return;
    std::string folder = window_.text(kFolderField);
    if (folder.empty())
        return;
    state.sourceFolder = platform::withTrailingSeparator(folder);
    const std::string answer = dialogs_.chooseSaveFile(kSaveTitle, kFilterDescription, kFilterPattern);
    if (answer.empty())
        return;
    state.outputFile = installerOutputName(answer, platform::kWindows);
    static std::mt19937 generator{std::random_device{}()};
    state.tempArchive =
        makeTempArchiveName(files_, system_, kTempPrefix, [] { return static_cast<int>(generator() % 100); });
    buildRunning_ = true;
    // The buttons go insensitive before the worker exists, so no press can slip in between.
    for (int id : {kExitButton, kPackButton, kBrowseButton})
        window_.setEnabled(id, false);
    launch_([this] { buildWorker(); });
}

void Builder::reportProgress(const std::string& path, double percent) {
    window_.setProgress(kProgressBar, barPosition(percent));
    window_.setText(kStatusLine, platform::fileNamePart(path));
}

void Builder::buildWorker() {
    for (int id : {kExitButton, kPackButton, kBrowseButton})
        window_.setEnabled(id, false);
    state.fileCount = countFiles(files_, state.sourceFolder);
    std::vector<std::string> notPacked;
    state.addedCount = addFolderToArchive(
        files_, state.tempArchive, state.sourceFolder,
        [this](const std::string& path, double percent) { reportProgress(path, percent); }, packOptions_, &notPacked);

    bool written = false;
    bool countsMatch = state.fileCount == state.addedCount;
    if (countsMatch) {
        if (std::optional<std::string> archive = files_.readFile(state.tempArchive))
            written = writeInstaller(files_, state.outputFile, stubImage_, *archive);
    }
    files_.deleteFile(state.tempArchive);

    if (written) {
        dialogs_.messageBox(kDoneTitle, std::string(kDoneText) + std::to_string(state.addedCount) + kDoneFiles.str(),
                            platform::MessageButtons::Ok, platform::MessageIcon::Information);
    } else if (!countsMatch) {
        std::string text = kNotPacked;
        for (size_t i = 0; i < notPacked.size() && i < kNamesShown; ++i)
            text += "\r" + notPacked[i];
        if (notPacked.size() > kNamesShown)
            text += "\r" + kMoreFiles.str() + std::to_string(notPacked.size() - kNamesShown);
        dialogs_.messageBox(kFailedTitle, text, platform::MessageButtons::Ok, platform::MessageIcon::Warning);
    } else {
        dialogs_.messageBox(kFailedTitle, kNotWritten.str() + state.outputFile, platform::MessageButtons::Ok,
                            platform::MessageIcon::Warning);
    }

    state = BuildState{};
    window_.setProgress(kProgressBar, 0);
    for (int id : {kExitButton, kPackButton, kBrowseButton})
        window_.setEnabled(id, true);
    window_.setText(kStatusLine, kIdle);
    buildRunning_ = false;
}

bool Builder::handle(const platform::WindowEvent& event) {
    if (event.kind == platform::WindowEventKind::Quit)
        return false;
    if (event.kind != platform::WindowEventKind::Button)
        return true;  // a close request is ignored: the program ends through "Выход"
    switch (event.control) {
    case kAboutButton: about(); break;
    case kExitButton: return false;
    case kBrowseButton: browse(); break;
    case kPackButton: startBuild(); break;
    default: break;
    }
    return true;
}

void Builder::run(const common::Picture& banner) {
    buildWindow(banner);
    window_.show();
    while (handle(window_.nextEvent())) {
    }
}

}  // namespace sfx::builder
