#pragma once
// The main window's layout: control, image and font numbers, and the table of controls in the
// order they are created. The numbers travel back to the event loop with every event.

#include <string>
#include <vector>

#include "player/ports/ui_port.h"

namespace player {

// Controls.
inline constexpr int kLoginBrowser = 22;
inline constexpr int kDownloadBrowser = 35;
inline constexpr int kMinimiseButton = 5;
inline constexpr int kIdleCaptionButton = 4;
inline constexpr int kQuitButton = 2;
inline constexpr int kPlayPauseButton = 10;
inline constexpr int kListButton = 11;
inline constexpr int kTimeView = 9;
inline constexpr int kOpenFileButton = 13;
inline constexpr int kAudioSearchButton = 14;
inline constexpr int kRadioButton = 15;
inline constexpr int kNextButton = 16;
inline constexpr int kPreviousButton = 17;
inline constexpr int kVolumeSlider = 20;
inline constexpr int kVolumePercent = 21;
inline constexpr int kVideoSearchButton = 25;
inline constexpr int kMyListButton = 27;
inline constexpr int kHistoryButton = 28;
inline constexpr int kQualityFlvButton = 34;
inline constexpr int kThumbnailView = 36;
inline constexpr int kPreviewLabel = 37;
inline constexpr int kPositionBar = 31;
inline constexpr int kTitleStrip = 7;
inline constexpr int kHistoryContainer = 29;
inline constexpr int kHistoryList = 30;
inline constexpr int kAudioSearchField = 23;
inline constexpr int kLeftMeterBase = 100;
inline constexpr int kRightMeterBase = 200;
inline constexpr int kListContainer = 24;
inline constexpr int kMainList = 12;
inline constexpr int kVideoSearchField = 26;
inline constexpr int kWebContainer = 32;
inline constexpr int kVideoBrowser = 33;
inline constexpr int kPictureView = 38;
inline constexpr int kQualityButtons[] = {240, 360, 480, 720};

// Images.
inline constexpr int kBackgroundImage = 1;
inline constexpr int kCaptionNormalImage = 2;
inline constexpr int kCaptionLitImage = 3;
inline constexpr int kPausedImage = 10;
inline constexpr int kListExpandedImage = 11;
inline constexpr int kVolumeTrackImage = 18;
inline constexpr int kVolumeKnobImage = 19;
inline constexpr int kBarSurface = 6;
inline constexpr int kTitleSurface = 7;
inline constexpr int kTimeSurface = 9;
inline constexpr int kVolumeSurface = 20;
inline constexpr int kPercentSurface = 21;
inline constexpr int kPositionSurface = 31;
inline constexpr int kThumbnailImage = 36;

// The twenty pictures carried in the program, in the order they are decoded.
inline constexpr int kEmbeddedImages[] = {1,  2,  3,  10, 11, 13,  14,  15,  16,  17,
                                          18, 19, 25, 27, 28, 240, 360, 480, 720, 34};

// The main window.
inline constexpr int kWindowWidth = 1183;
inline constexpr int kCollapsedHeight = 91;
inline constexpr int kExpandedHeight = 560;
inline constexpr int kWindowY = 240;
// Where the web container and the picture view sit when shown, and where they hide.
inline constexpr int kShownX = 681;
inline constexpr int kHiddenX = -1681;
inline constexpr int kWebAreaY = 110;

// A row of the control table: how the control is made, which picture it shows at start
// (0: none; image 36 is the picture loaded from file) and its tooltip.
struct ControlRow {
    ControlSpec desc;
    int startImage = 0;
    std::string tooltip;
};

// Every control in creation order. `programFolder` ends with a separator.
std::vector<ControlRow> mainWindowControls(const std::string& loginUrl,
                                           const std::string& programFolder);

// The controls that carry a tooltip, in the order the tooltips are attached.
inline constexpr int kTooltipOrder[] = {10, 11, 13, 15, 14, 27, 28};

// The report list's columns: "Время" first, then the result column inserted ahead of it.
Column timeColumn();
Column resultColumn();

}  // namespace player
