#include "player/shell/event_loop.h"

#include "player/shell/controls.h"
#include "player/shell/local_folder.h"
#include "player/shell/playlist.h"
#include "player/shell/pointer.h"
#include "player/shell/skin.h"
#include "player/shell/transport.h"
#include "player/shell/urls.h"

namespace player {

void pressFlash(Shell& shell, int control) {
    const common::Picture* picture = shell.image(control);
    if (picture)
        shell.ui.placePicture(control, *picture);
    shell.ui.sleepMs(100);
    if (picture)
        shell.ui.removePicture(control);
}

void expand(Shell& shell) {
    if (auto* picture = shell.image(kListExpandedImage))
        shell.ui.placePicture(kListButton, *picture);
    shell.ui.setClientHeight(kExpandedHeight);
    shell.state.listExpanded = 1;
}

void advanceAtEndOfTrack(Shell& shell) {
    auto& s = shell.state;
    if (shell.audio.channelIsActive(s.streamHandle) != platform::kChannelStopped)
        return;
    if (s.autoAdvance != 1 || s.radioMode != 0 || s.playlistMode != 0 || s.videoMode != 0)
        return;
    const int row = shell.list.selection() + 1;
    // After the last row the advance rests; going on would play whatever an earlier, longer
    // search left in the result tables beyond the rows shown.
    if (row >= shell.list.rowCount()) {
        s.autoAdvance = 0;
        return;
    }
    s.currentRow = row;
    shell.list.select(row);
    s.currentTitle = shell.list.rowText(row);
    if (s.localMode == 0)
        playTrack(shell, row);
    else
        playLocalFile(shell);
}

namespace {

bool allModesOff(const PlayerState& s) {
    return s.localMode == 0 && s.radioMode == 0 && s.stationsShown == 0 && s.playlistMode == 0 &&
           s.videoMode == 0;
}

void setModes(PlayerState& s, int local, int radio, int stations, int playlist, int video) {
    s.localMode = local;
    s.radioMode = radio;
    s.stationsShown = stations;
    s.playlistMode = playlist;
    s.videoMode = video;
}

void doubleClick(Shell& shell) {
    auto& s = shell.state;
    const auto row = [&] { return shell.list.rowText(s.currentRow); };
    if (allModesOff(s)) {
        s.currentTitle = row();
        playTrack(shell, s.currentRow);
    } else if (s.localMode == 1 && s.radioMode == 0 && s.stationsShown == 0 && s.playlistMode == 0 &&
               s.videoMode == 0) {
        s.currentTitle = row();
        playLocalFile(shell);
    } else if (s.radioMode == 1 && s.stationsShown == 0 && s.playlistMode == 0 && s.videoMode == 0) {
        s.currentGenre = row();
        s.requestUrl = genrePageUrl(shell.web.hosts(), s.currentGenre);
        shell.web.listStations(s.requestUrl);
        s.stationsShown = 1;
    } else if (s.radioMode == 1 && s.stationsShown == 1 && s.playlistMode == 0 && s.videoMode == 0) {
        s.currentTitle = row();
        s.requestUrl = stationPageUrl(shell.web.hosts(), tableEntry(s.stationLinks, s.currentRow));
        shell.web.playStation(s.requestUrl);
    } else if (s.playlistMode == 1 && s.localMode == 0 && s.radioMode == 0 && s.stationsShown == 0 &&
               s.videoMode == 0) {
        s.currentTitle = row();
        playPlaylistRow(shell);
    } else if (s.videoMode == 1 && s.localMode == 0 && s.radioMode == 0 && s.stationsShown == 0 &&
               s.playlistMode == 0) {
        s.currentRow = s.clickedRow;
        s.currentTitle = row();
        s.videoLink = tableEntry(s.videoLinks, s.currentRow);
        shell.web.openVideoPage(s.videoLink);
        s.autoAdvance = 0;
        shell.audio.channelStop(s.streamHandle);
    }
}

void downloadVideo(Shell& shell, int control, const std::string& quality) {
    auto& s = shell.state;
    pressFlash(shell, control);
    shell.web.buildVideoLink(tableEntry(s.videoLinks, s.currentRow), quality);
    shell.ui.navigate(kDownloadBrowser, s.videoFileUrl);
}

// Answers false when the event ends the program.
bool controlEvent(Shell& shell, int control, int type) {
    auto& s = shell.state;
    const bool click = type == kLeftClick;
    switch (control) {
    case kQuitButton:
        if (click) {
            exitPath(shell);
            return false;
        }
        break;
    case kMinimiseButton:
        if (click)
            shell.ui.minimise();
        break;
    case kPlayPauseButton:
        if (click)
            playPause(shell);
        break;
    case kListButton:
        if (click)
            toggleExpanded(shell);
        break;
    case kMainList:
        mainListEvent(shell, type);
        break;
    case kOpenFileButton:
        if (click) {
            pressFlash(shell, kOpenFileButton);
            s.localPath = shell.ui.openFileDialog("", "", "*.*|*.*");
            scanFolder(shell);
            playLocalFile(shell);
            s.radioMode = s.stationsShown = s.playlistMode = s.videoMode = 0;
        }
        break;
    case kAudioSearchButton:
        if (click) {
            pressFlash(shell, kAudioSearchButton);
            s.searchText = shell.ui.text(kAudioSearchField);
            shell.web.searchAudio(audioSearchUrl(shell.web.hosts(), s.searchText));
            setModes(s, 0, 0, 0, 0, 0);
            expand(shell);
            shell.web.searchPictures(s.searchText);
            shell.ui.moveControl(kWebContainer, kHiddenX, kWebAreaY);
            shell.ui.moveControl(kPictureView, kShownX, kWebAreaY);
        }
        break;
    case kRadioButton:
        if (click) {
            pressFlash(shell, kRadioButton);
            shell.web.listGenres();
            s.radioMode = 1;
            s.stationsShown = s.playlistMode = s.videoMode = 0;
            expand(shell);
        }
        break;
    case kNextButton:
        if (click) {
            pressFlash(shell, kNextButton);
            playNext(shell);
        }
        break;
    case kPreviousButton:
        if (click) {
            pressFlash(shell, kPreviousButton);
            playPrevious(shell);
        }
        break;
    case kVideoSearchButton:
        if (click) {
            pressFlash(shell, kVideoSearchButton);
            s.searchText = shell.ui.text(kVideoSearchField);
            s.requestUrl = videoSearchUrl(shell.web.hosts(), s.searchText);
            shell.web.searchVideo(s.requestUrl);
            setModes(s, 0, 0, 0, 0, 1);
            shell.ui.moveControl(kWebContainer, kShownX, kWebAreaY);
            shell.ui.moveControl(kPictureView, kHiddenX, kWebAreaY);
        }
        break;
    case kMyListButton:
        if (click) {
            pressFlash(shell, kMyListButton);
            loadPlaylist(shell);
            expand(shell);
            setModes(s, 0, 0, 0, 1, 0);
        }
        break;
    case kHistoryButton:
        if (click) {
            pressFlash(shell, kHistoryButton);
            shell.ui.dropDownOpen(kHistoryList);
        }
        break;
    case kHistoryList:
        shell.ui.setText(kAudioSearchField, shell.ui.text(kHistoryList));
        break;
    case kPositionBar:
        seek(shell);
        break;
    case kQualityFlvButton:
        downloadVideo(shell, kQualityFlvButton, "flv");
        break;
    default:
        for (int quality : kQualityButtons)
            if (control == quality && click)
                downloadVideo(shell, quality, std::to_string(quality));
        break;
    }
    return true;
}

}  // namespace

void mainListEvent(Shell& shell, int type) {
    auto& s = shell.state;
    s.clickedRow = shell.list.selection();
    const bool selected = s.clickedRow != -1;
    if (!selected)
        return;
    if (type == kLeftClick) {
        s.currentRow = s.clickedRow;
        if (s.videoMode == 1) {
            s.thumbUrl = tableEntry(s.videoThumbs, s.currentRow);
            shell.web.startThumbnailWorker(s.thumbUrl);
        }
    } else if (type == kDoubleClick) {
        doubleClick(shell);
    }
}

void exitPath(Shell& shell) {
    shell.ui.destroyControl(kHistoryList);
    if (shell.state.skinLoaded == 1)
        unloadSkin(shell);
}

Turn loopTurn(Shell& shell) {
    const Event event = shell.ui.waitEvent();
    advanceAtEndOfTrack(shell);
    const Point pointer = shell.ui.pointerClient();
    if (event.code == kLeftButtonDown && event.window == 0) {
        if (inDragBand(pointer))
            shell.ui.beginCaptionDrag();
    } else if (event.code == kControlEvent) {
        if (!controlEvent(shell, event.control, event.type))
            return Turn::Exit;
    }
    handCursorHandler(shell, event.code);
    captionHoverHandler(shell, event.code);
    volumeDragHandler(shell, event.code);
    return Turn::Continue;
}

int runEventLoop(Shell& shell) {
    while (loopTurn(shell) == Turn::Continue) {
    }
    return 0;
}

}  // namespace player
