#include "player/shell/display.h"

#include <cfenv>
#include <cmath>
#include <limits>

#include "player/shell/controls.h"
#include "player/web/toolbox.h"

namespace player {
namespace {

constexpr Rgb grey(int n) { return {n, n, n}; }

constexpr int kBarRowGreys[14] = {25, 24, 24, 22, 22, 21, 20, 19, 18, 17, 16, 15, 14, 14};
constexpr int kTimeRowGreys[12] = {42, 40, 39, 39, 37, 35, 33, 32, 30, 29, 27, 26};
constexpr int kTitleRowGreys[14] = {42, 40, 39, 39, 37, 35, 33, 32, 30, 29, 27, 26, 24, 23};
constexpr int kPercentRowGreys[12] = {30, 30, 29, 29, 28, 28, 27, 26, 26, 25, 25, 24};

void drawRows(Surface& surface, const int* greys, int count) {
    for (int y = 0; y < count; ++y)
        surface.fillRect(0, y, surface.width(), 1, grey(greys[y]));
}

void drawBar(Surface& bar, int h) {
    bar.fillRect(0, 0, 10, 29, grey(38));
    bar.fillRect(0, 29 - h, 10, h, grey(96));
    bar.fillRect(0, 29 - h, 10, h / 6, {240, 241, 220});
    for (int i = 0; i < 14; ++i)
        bar.fillRect(0, 1 + 2 * i, 10, 1, grey(kBarRowGreys[i]));
}

void drawTitleStrip(Shell& shell, const std::string& title) {
    Surface& strip = shell.surfaces->title;
    drawRows(strip, kTitleRowGreys, 14);
    strip.drawText(100 - static_cast<int>(title.size()), 0, title);
    shell.ui.placePicture(kTitleStrip, strip.picture());
}

}  // namespace

int roundHalfEven(double value) {
    if (std::isnan(value))
        return 0;
    if (value >= std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (value <= std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    // The default rounding mode of the floating-point unit is to nearest, ties to even.
    return static_cast<int>(std::nearbyint(value));
}

int barHeight(float magnitude, bool fftFailed) {
    if (fftFailed)
        return 1;
    // No clamping: a bar above 29 rows fills the column. Held to a bound only so that a
    // nonsense magnitude cannot overflow the rectangle arithmetic.
    const double h = std::sqrt(std::max(0.0, static_cast<double>(magnitude))) * 50.0;
    return roundHalfEven(std::min(h, 10000.0));
}

std::string timeText(int seconds) {
    std::string minutes = std::to_string(seconds / 60);
    std::string rest = std::to_string(seconds % 60);
    if (rest.size() < 2)
        rest.insert(0, 2 - rest.size(), '0');
    return minutes + ":" + rest;
}

std::string streamTitleOf(const std::string& meta) {
    // The metadata's first 150 bytes, up to its zero byte, then the text between the first two
    // apostrophes (the stream-title field's value in the usual form).
    std::string head = meta.substr(0, 150);
    if (size_t zero = head.find('\0'); zero != std::string::npos)
        head.resize(zero);
    return web::textBetween(head, "'", "'");
}

std::string titleText(PlayerState& s, const std::optional<std::string>& meta) {
    std::string title;
    if (meta) {
        const std::string streamTitle = streamTitleOf(*meta);
        s.currentTitle = s.currentTitle.substr(0, 10);
        title = s.currentGenre + "   /   " + s.currentTitle + "   /   " + streamTitle;
    }
    if (s.radioMode == 0 && s.playlistMode == 0 && s.videoMode == 0)
        title = s.currentTitle;
    return title;
}

std::string percentText(float volume) { return std::to_string(roundHalfEven(volume * 100.0f)) + "%"; }

int positionPixels(int positionSeconds, int lengthSeconds) {
    if (lengthSeconds <= 0)
        return 0;
    // 32-bit arithmetic as the display has it, wrapping instead of overflowing.
    const auto product = static_cast<int32_t>(static_cast<uint32_t>(positionSeconds) * 442u);
    return product / lengthSeconds;
}

void displayTick(Shell& shell) {
    auto& s = shell.state;
    auto& audio = shell.audio;
    DisplaySurfaces& surfaces = *shell.surfaces;

    // 1. Level meter: each bin shown at both ends.
    float fft[1025] = {};
    const bool fftFailed = audio.channelGetFft2048(s.streamHandle, fft) == -1;
    for (int i = 0; i < 20; ++i) {
        drawBar(surfaces.bar, barHeight(fft[i], fftFailed));
        const common::Picture bar = surfaces.bar.picture();
        shell.ui.placePicture(kLeftMeterBase + i, bar);
        shell.ui.placePicture(kRightMeterBase + i, bar);
    }

    int positionSeconds = 0;
    int lengthSeconds = 0;
    if (s.streamHandle != 0) {
        positionSeconds = roundHalfEven(
            audio.channelBytes2Seconds(s.streamHandle, audio.channelGetPosition(s.streamHandle)));
        const int64_t length = audio.channelGetLength(s.streamHandle);
        s.trackLength = static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(length)));
        lengthSeconds = roundHalfEven(audio.channelBytes2Seconds(s.streamHandle, s.trackLength));

        drawRows(surfaces.time, kTimeRowGreys, 12);
        surfaces.time.drawText(0, 0, timeText(positionSeconds));
        shell.ui.placePicture(kTimeView, surfaces.time.picture());

        const std::string title = titleText(s, audio.channelGetMeta(s.streamHandle));
        drawTitleStrip(shell, title);
    }

    if (s.videoMode == 1)
        drawTitleStrip(shell, s.currentTitle);

    surfaces.position.fillRect(0, 0, 442, 1, grey(14));
    surfaces.position.fillRect(0, 0, positionPixels(positionSeconds, lengthSeconds), 1, grey(156));
    shell.ui.placePicture(kPositionBar, surfaces.position.picture());

    if (auto* track = shell.image(kVolumeTrackImage))
        surfaces.volume.drawPicture(0, 0, *track);
    if (auto* knob = shell.image(kVolumeKnobImage))
        surfaces.volume.drawPicture(s.volumeKnob, 0, *knob);
    shell.ui.placePicture(kVolumeSlider, surfaces.volume.picture());

    s.volume = static_cast<float>(s.volumeKnob) * 0.016666668f;

    drawRows(surfaces.percent, kPercentRowGreys, 12);
    surfaces.percent.drawText(0, 0, percentText(s.volume));
    shell.ui.placePicture(kVolumePercent, surfaces.percent.picture());

    audio.channelSetVolume(s.streamHandle, s.volume);
}

}  // namespace player
