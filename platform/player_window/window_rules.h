#pragma once
// The toolkit-free rules of the player's window: how the controls' colours become style
// sheets, how an address given to a browser view becomes a URI, how a picture becomes the
// pixel layout cairo paints, and when the display timer is next due.

#include <cstdint>
#include <string>
#include <vector>

#include "common/picture.h"
#include "player/ports/ui_port.h"

namespace platform::player_window {

// The widget name that scopes a control's style sheet.
std::string styleName(int control);

// Style sheets for one control of each kind, scoped by its widget name; "#rrggbb" colours, no
// frame, no padding, so that the widget can take the few pixels the window gives it.
std::string editCss(int control, const player::Rgb& text, const player::Rgb& back);
// The drop-down's list is a window of its own; it is the only menu of the program.
std::string dropDownCss(int control, const player::Rgb& text, const player::Rgb& back);
// The grid lines of a tree view take the top border colour; the separators and the expander
// are set to nothing so that a row is exactly as tall as its cells.
std::string reportListCss(int control, const player::Rgb& text, const player::Rgb& back,
                          const player::Rgb& lines);
std::string labelCss(int control);

// An address for a browser view (code page 1251): "http://..." and other URIs pass with their
// bytes above 127 and blanks written as %XX; "file://localhost/<path>" and a bare absolute
// path become a "file://" URI of the UTF-8 path. Empty for an empty address.
std::string browserUri(const std::string& address);

// Straight RGBA to cairo's native-endian premultiplied ARGB32, rows of `stride` bytes.
std::vector<uint32_t> premultipliedArgb(const common::Picture& picture);

// The display timer runs against an absolute deadline: the next one is a period after the one
// just served, and ticks missed while the thread was busy are not made up (the next deadline
// then lies a period after now). Microseconds.
int64_t nextDeadline(int64_t servedDeadline, int64_t now, int64_t period);

// One of a report row's column texts; the columns are separated by line feeds.
std::string columnText(const std::string& row, int column);

}  // namespace platform::player_window
