#include "player/shell/startup.h"

#include "common/cp1251.h"
#include "platform/names.h"
#include "player/shell/controls.h"
#include "player/shell/display.h"
#include "player/shell/event_loop.h"
#include "player/shell/playlist.h"
#include "platform/image/png.h"
#include "player/shell/skin.h"

namespace player {
namespace {

void createControls(Shell& shell) {
    const std::string programFolder = platform::folderPart(shell.system.executablePath());
    for (const ControlRow& row : mainWindowControls(shell.web.loginUrl(), programFolder)) {
        const int number = row.desc.number;
        shell.ui.createControl(row.desc);
        if (number == kHistoryList)
            fillHistory(shell);
        if (number == kMainList) {
            shell.ui.insertColumn(kMainList, timeColumn());
            shell.ui.insertColumn(kMainList, resultColumn());
        }
        if (row.startImage == 0)
            continue;
        // The drawing surfaces show their first (black) picture; the others are decoded pictures.
        common::Picture picture;
        switch (row.startImage) {
        case kBarSurface: picture = shell.surfaces->bar.picture(); break;
        case kVolumeSurface: picture = shell.surfaces->volume.picture(); break;
        case kPositionSurface: picture = shell.surfaces->position.picture(); break;
        default:
            if (auto* decoded = shell.image(row.startImage))
                picture = *decoded;
        }
        if (!picture.empty())
            shell.ui.placePicture(number, picture);
    }
}

}  // namespace

bool startUp(Shell& shell, const StartupData& data, std::ostream& errors) {
    auto& s = shell.state;
    if (data.libraryLoader)
        s.skinLoaded = loadSkin(shell, *data.libraryLoader);

    const std::string temp = shell.system.temporaryFolder();
    if (data.genreList)
        shell.files.writeFile(temp + common::cp1251("стили.txt").str(), std::string(data.genreList()));
    shell.files.writeFile(temp + "Playlist.pls", std::string(builtInPlaylist()));

    for (int number : kEmbeddedImages) {
        auto it = data.pictures.find(number);
        if (it == data.pictures.end())
            continue;
        if (auto picture = platform::image::decodePng(it->second))
            shell.images[number] = std::move(*picture);
    }
    if (data.loadPictureFile)
        if (auto thumbnail = data.loadPictureFile(temp + "defolt.jpg"))
            shell.images[kThumbnailImage] = std::move(*thumbnail);

    const int x = shell.ui.screenWidth() / 2 - 590;
    if (!shell.ui.createMainWindow(x, kWindowY, kWindowWidth, kCollapsedHeight)) {
        errors << "VT-90: the main window cannot be opened (is a display available?)\n";
        return false;
    }
    if (auto* background = shell.image(kBackgroundImage))
        shell.ui.setBackground(*background);
    createControls(shell);

    const auto controls = mainWindowControls("", "");
    for (int number : kTooltipOrder)
        for (const ControlRow& row : controls)
            if (row.desc.number == number)
                shell.ui.setTooltip(number, row.tooltip);

    shell.audio.init(-1, 44100);
    shell.ui.startTimer(55, [&shell] { displayTick(shell); });
    shell.ui.show();
    return true;
}

int runPlayer(Shell& shell, const StartupData& data, std::ostream& errors) {
    if (!startUp(shell, data, errors))
        return 1;
    return runEventLoop(shell);
}

}  // namespace player
