#pragma once
// A 24-bit drawing surface for the display: rectangles, the display's text (font 8: "Arial",
// 8 points, grey 127, transparent background) and alpha-blended pictures. Drawn with cairo and
// Pango so that the same pixels appear in the window and in tests.

#include <memory>
#include <string>

#include "common/picture.h"
#include "player/ports/ui_port.h"

namespace player {

class Surface {
public:
    // Black, as a new 24-bit image.
    Surface(int width, int height);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }

    // Parts outside the surface are cut off.
    void fillRect(int x, int y, int w, int h, Rgb colour);
    // Text in code page 1251, its top-left corner at (x, y); only the glyphs are painted.
    void drawText(int x, int y, const std::string& text);
    // Blended by the picture's alpha channel at full opacity.
    void drawPicture(int x, int y, const common::Picture& picture);

    Rgb at(int x, int y) const;
    // The current content as an opaque picture.
    common::Picture picture() const;

private:
    struct Cairo;
    int width_;
    int height_;
    std::unique_ptr<Cairo> cairo_;
};

}  // namespace player
