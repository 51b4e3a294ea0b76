#include "player/shell/transport.h"

#include "platform/names.h"
#include "player/shell/controls.h"
#include "player/shell/urls.h"

namespace player {

void startUrlStream(Shell& shell, const std::string& url) {
    auto& s = shell.state;
    shell.audio.streamFree(s.streamHandle);
    s.streamHandle = shell.audio.streamCreateUrl(url);
    shell.audio.channelPlay(s.streamHandle, false);
    shell.audio.channelSetVolume(s.streamHandle, s.volume);
}

void playTrack(Shell& shell, int row) {
    startUrlStream(shell, tableEntry(shell.state.trackUrls, row));
    shell.state.autoAdvance = 1;
    shell.state.localMode = 0;
}

std::optional<std::string> id3v1Title(const std::string& block) {
    if (block.size() < 128)
        return std::nullopt;
    auto field = [&](size_t offset, size_t length) {
        std::string f = block.substr(offset, length);
        const size_t zero = f.find('\0');
        return zero == std::string::npos ? f : f.substr(0, zero);
    };
    return field(33, 30) + "  " + field(3, 30) + "  " + field(63, 30) + "  " + field(93, 4);
}

void playLocalFile(Shell& shell) {
    auto& s = shell.state;
    const std::string path = platform::folderPart(s.localPath) + s.currentTitle;
    shell.audio.streamFree(s.streamHandle);
    s.streamHandle = shell.audio.streamCreateFile(path);
    shell.audio.channelPlay(s.streamHandle, false);
    shell.audio.channelSetVolume(s.streamHandle, s.volume);
    if (s.streamHandle != 0) {
        if (auto tag = shell.audio.channelGetId3v1(s.streamHandle))
            if (auto title = id3v1Title(*tag))
                s.currentTitle = *title;
    }
    s.autoAdvance = 1;
    s.localMode = 1;
}

void playPause(Shell& shell) {
    auto& s = shell.state;
    s.paused = 1 - s.paused;
    if (s.paused == 1) {
        if (auto* picture = shell.image(kPausedImage))
            shell.ui.placePicture(kPlayPauseButton, *picture);
        shell.audio.channelPause(s.streamHandle);
    } else {
        shell.ui.removePicture(kPlayPauseButton);
        shell.audio.channelPlay(s.streamHandle, false);
    }
}

void seek(Shell& shell) {
    const Point pointer = shell.ui.pointerClient();
    // The pointer may have left the window between the click and its handling; a position
    // computed from -1 means nothing, so the stream stays where it is.
    if (pointer.x < 0 || pointer.y < 0)
        return;
    const int dx = pointer.x - 372;
    const int step = shell.state.trackLength / 442;
    const int64_t position = static_cast<int64_t>(dx) * step;
    shell.audio.channelSetPosition(shell.state.streamHandle, position);
}

namespace {

// Plays the row Next or Previous moved to, by what the list shows.
void playMovedRow(Shell& shell) {
    auto& s = shell.state;
    if (s.clickedRow == -1)
        return;
    if (s.videoMode == 1)
        return;  // video results: the selection moves, the video is opened by a double click
    if (s.playlistMode == 1) {
        if (s.currentRow < static_cast<int>(s.playlistEntries.size())) {
            s.playlistUrl = s.playlistEntries[static_cast<size_t>(s.currentRow)].url;
            startUrlStream(shell, s.playlistUrl);
            s.currentGenre.clear();
        }
        return;
    }
    if (s.localMode == 1 && s.radioMode == 0 && s.stationsShown == 0) {
        playLocalFile(shell);
    } else if (s.localMode == 0 && s.radioMode == 0 && s.stationsShown == 0) {
        playTrack(shell, s.currentRow);
    } else if (s.radioMode == 1 && s.stationsShown == 1) {
        s.requestUrl = stationPageUrl(shell.web.hosts(), tableEntry(s.stationLinks, s.currentRow));
        shell.web.playStation(s.requestUrl);
    }
}

void moveTo(Shell& shell, int row) {
    auto& s = shell.state;
    s.currentRow = row;
    shell.list.select(row);
    s.currentTitle = shell.list.rowText(row);
    playMovedRow(shell);
}

}  // namespace

void playNext(Shell& shell) {
    const int row = shell.list.selection() + 1;
    // Past the last row there is nothing to play: the result tables may still hold entries of an
    // earlier, longer search there.
    if (row >= shell.list.rowCount())
        return;
    moveTo(shell, row);
}

void playPrevious(Shell& shell) {
    const int row = shell.list.selection() - 1;
    if (row < 0)
        return;
    moveTo(shell, row);
}

}  // namespace player
