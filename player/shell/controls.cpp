#include "player/shell/controls.h"

#include "common/cp1251.h"

namespace player {
namespace {

ControlRow image(int number, Rect rect, int startImage = 0, std::string tooltip = {}) {
    ControlRow row;
    row.desc.number = number;
    row.desc.kind = ControlKind::Image;
    row.desc.rect = rect;
    row.startImage = startImage;
    row.tooltip = std::move(tooltip);
    return row;
}

ControlRow control(int number, ControlKind kind, int parent, Rect rect, std::string text = {}) {
    ControlRow row;
    row.desc.number = number;
    row.desc.kind = kind;
    row.desc.parent = parent;
    row.desc.rect = rect;
    row.desc.text = std::move(text);
    return row;
}

ControlRow coloured(ControlRow row, Rgb text, Rgb back, Rgb lines = {}) {
    row.desc.hasColours = true;
    row.desc.textColour = text;
    row.desc.backColour = back;
    row.desc.lineColour = lines;
    return row;
}

}  // namespace

std::vector<ControlRow> mainWindowControls(const std::string& loginUrl,
                                           const std::string& programFolder) {
    const Rgb fieldText{137, 127, 98}, fieldBack{51, 51, 51};
    std::vector<ControlRow> rows = {
        control(kLoginBrowser, ControlKind::Browser, 0, {-1000, 0, 300, 400}, loginUrl),
        control(kDownloadBrowser, ControlKind::Browser, 0, {0, 0, 0, 0}),
        image(kMinimiseButton, {1128, 3, 14, 14}, kCaptionNormalImage),
        image(kIdleCaptionButton, {1145, 3, 14, 14}, kCaptionNormalImage),
        image(kQuitButton, {1162, 3, 14, 14}, kCaptionNormalImage),
        image(kPlayPauseButton, {63, 31, 33, 11}, 0, common::cp1251("Играть/Пауза")),
        image(kListButton, {1087, 71, 36, 15}, 0, common::cp1251("Показать список")),
        image(kTimeView, {812, 71, 60, 15}),
        image(kOpenFileButton, {929, 31, 23, 18}, 0, common::cp1251("Открыть MP3")),
        image(kAudioSearchButton, {953, 31, 24, 18}, 0, common::cp1251("Поиск в Вконтакте")),
        image(kRadioButton, {904, 31, 24, 18}, 0, common::cp1251("Радио")),
        image(kNextButton, {101, 31, 27, 18}),
        image(kPreviousButton, {31, 31, 27, 18}),
        image(kVolumeSlider, {186, 38, 12, 5}, kVolumeSurface),
        // Shows the slider's picture until the first display tick replaces it with its own.
        image(kVolumePercent, {285, 34, 30, 12}, kVolumeSurface),
        image(kVideoSearchButton, {906, 522, 54, 18}),
        // The first letter of each of these two tooltips is a Latin one, as the system has it.
        image(kMyListButton, {1124, 71, 36, 15}, 0, "M" + common::cp1251("ой список").str()),
        image(kHistoryButton, {133, 71, 36, 15}, 0, "C" + common::cp1251("писок исполнителей").str()),
        image(240, {994, 522, 31, 18}),
        image(360, {1026, 522, 31, 18}),
        image(480, {1058, 522, 31, 18}),
        image(720, {1090, 522, 31, 18}),
        image(kQualityFlvButton, {1122, 522, 31, 18}),
        image(kThumbnailView, {485, 110, 0, 0}, kThumbnailImage),
        control(kPreviewLabel, ControlKind::Label, 0, {476, 250, 180, 85}),
        image(kPositionBar, {372, 58, 442, 1}, kPositionSurface),
        image(kTitleStrip, {400, 71, 400, 14}),
        control(kHistoryContainer, ControlKind::Container, 0, {30, 70, 100, 0}),
        coloured(control(kHistoryList, ControlKind::DropDown, kHistoryContainer, {0, 5, 250, 10}),
                 {129, 129, 129}, {24, 24, 24}),
        coloured(control(kAudioSearchField, ControlKind::Edit, 0, {1020, 33, 120, 14},
                         "Depeche Mode Remix"),
                 fieldText, fieldBack),
    };
    for (int i = 0; i < 20; ++i)
        rows.push_back(image(kLeftMeterBase + i, {372 + 11 * i, 27, 0, 0}, kBarSurface));
    for (int i = 0; i < 20; ++i)
        rows.push_back(image(kRightMeterBase + i, {804 - 11 * i, 27, 0, 0}, kBarSurface));
    rows.push_back(control(kListContainer, ControlKind::Container, 0, {10, 100, 450, 395}));
    rows.push_back(coloured(control(kMainList, ControlKind::ReportList, kListContainer, {0, 0, 450, 395}),
                            {112, 112, 112}, {16, 16, 16}, {41, 41, 41}));
    rows.push_back(coloured(control(kVideoSearchField, ControlKind::Edit, 0, {645, 524, 240, 14},
                                    "National Geographic"),
                            fieldText, fieldBack));
    rows.push_back(control(kWebContainer, ControlKind::Container, 0, {kShownX, kWebAreaY, 482, 360}));
    // Larger than its container, so that the browser's scroll bars fall outside and are cut off.
    rows.push_back(control(kVideoBrowser, ControlKind::Browser, kWebContainer, {0, 0, 500, 380},
                           "file://localhost/" + programFolder + "logo.html"));
    rows.push_back(image(kPictureView, {kHiddenX, kWebAreaY, 500, 380}));
    return rows;
}

Column timeColumn() { return {0, common::cp1251("  Время"), 50}; }
Column resultColumn() { return {0, common::cp1251("      Результат поиска"), 370}; }

}  // namespace player
