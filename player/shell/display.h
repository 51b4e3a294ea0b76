#pragma once
// The display timer's handler: every 55 ms it redraws the level meter, the time, the title
// strip, the position bar and the volume from the player state, and re-applies the volume.

#include <optional>
#include <string>

#include "player/shell/shell.h"

namespace player {

void displayTick(Shell& shell);

// Pieces of the tick, pure, for the rules that are easy to get wrong.
// Nearest integer, halves to the even neighbour; values beyond the int range are held to it.
int roundHalfEven(double value);
// sqrt(magnitude) x 50, rounded; 1 when the FFT failed.
int barHeight(float magnitude, bool fftFailed);
// "m:ss", minutes unlimited; signed division truncating toward zero.
std::string timeText(int seconds);
// The stream title of a metadata text: between the first two apostrophes of its first 150 bytes.
std::string streamTitleOf(const std::string& meta);
// The title strip's text on a tick with a stream; with metadata, currentTitle is cut to its
// first 10 bytes.
std::string titleText(PlayerState& state, const std::optional<std::string>& meta);
// The volume percentage, "50%".
std::string percentText(float volume);
// Lit pixels of the position bar.
int positionPixels(int positionSeconds, int lengthSeconds);

}  // namespace player
