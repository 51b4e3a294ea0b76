#include "player/shell/surface.h"

#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cstring>

#include "platform/text/codepage.h"

namespace player {

struct Surface::Cairo {
    cairo_surface_t* surface = nullptr;
    cairo_t* cr = nullptr;
    PangoLayout* layout = nullptr;  // made once: building a layout per text costs more than a tick
};

Surface::Surface(int width, int height)
    : width_(width), height_(height), cairo_(std::make_unique<Cairo>()) {
    cairo_->surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    cairo_->cr = cairo_create(cairo_->surface);
    cairo_set_source_rgb(cairo_->cr, 0, 0, 0);
    cairo_paint(cairo_->cr);
}

Surface::~Surface() {
    if (cairo_->layout)
        g_object_unref(cairo_->layout);
    cairo_destroy(cairo_->cr);
    cairo_surface_destroy(cairo_->surface);
}

void Surface::fillRect(int x, int y, int w, int h, Rgb colour) {
    // Written straight into the pixels: exact colours, and about forty times cheaper than a
    // cairo fill for the hundreds of one-pixel rows a tick draws.
    const int x0 = std::max(x, 0), y0 = std::max(y, 0);
    const int x1 = std::min(x + std::max(w, 0), width_), y1 = std::min(y + std::max(h, 0), height_);
    if (x0 >= x1 || y0 >= y1)
        return;
    cairo_surface_flush(cairo_->surface);
    unsigned char* data = cairo_image_surface_get_data(cairo_->surface);
    const int stride = cairo_image_surface_get_stride(cairo_->surface);
    const uint32_t pixel = 0xFF000000u | (static_cast<uint32_t>(colour.r) << 16) |
                           (static_cast<uint32_t>(colour.g) << 8) | static_cast<uint32_t>(colour.b);
    for (int row = y0; row < y1; ++row) {
        auto* line = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(row) * stride);
        std::fill(line + x0, line + x1, pixel);
    }
    cairo_surface_mark_dirty(cairo_->surface);
}

void Surface::drawText(int x, int y, const std::string& text) {
    if (text.empty())
        return;
    if (!cairo_->layout) {
        cairo_->layout = pango_cairo_create_layout(cairo_->cr);
        pango_cairo_context_set_resolution(pango_layout_get_context(cairo_->layout), 96.0);
        PangoFontDescription* font = pango_font_description_from_string("Arial 8");
        pango_layout_set_font_description(cairo_->layout, font);
        pango_font_description_free(font);
        pango_cairo_update_layout(cairo_->cr, cairo_->layout);
    }
    const std::string utf8 = platform::cp1251ToUtf8(text);
    pango_layout_set_text(cairo_->layout, utf8.c_str(), static_cast<int>(utf8.size()));
    cairo_set_source_rgb(cairo_->cr, 127 / 255.0, 127 / 255.0, 127 / 255.0);
    cairo_move_to(cairo_->cr, x, y);
    pango_cairo_show_layout(cairo_->cr, cairo_->layout);
}

void Surface::drawPicture(int x, int y, const common::Picture& picture) {
    if (picture.empty())
        return;
    cairo_surface_t* source =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, picture.width, picture.height);
    cairo_surface_flush(source);
    unsigned char* data = cairo_image_surface_get_data(source);
    const int stride = cairo_image_surface_get_stride(source);
    for (int row = 0; row < picture.height; ++row) {
        auto* line = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(row) * stride);
        for (int col = 0; col < picture.width; ++col) {
            const uint8_t* p = picture.pixel(col, row);
            const uint32_t a = p[3];
            // cairo wants premultiplied alpha.
            const uint32_t r = (p[0] * a + 127) / 255, g = (p[1] * a + 127) / 255, b = (p[2] * a + 127) / 255;
            line[col] = (a << 24) | (r << 16) | (g << 8) | b;
        }
    }
    cairo_surface_mark_dirty(source);
    cairo_set_source_surface(cairo_->cr, source, x, y);
    cairo_paint(cairo_->cr);
    cairo_surface_destroy(source);
}

Rgb Surface::at(int x, int y) const {
    cairo_surface_flush(cairo_->surface);
    const unsigned char* data = cairo_image_surface_get_data(cairo_->surface);
    const int stride = cairo_image_surface_get_stride(cairo_->surface);
    const uint32_t p = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride)[x];
    return {static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF), static_cast<int>(p & 0xFF)};
}

common::Picture Surface::picture() const {
    common::Picture out;
    out.width = width_;
    out.height = height_;
    out.rgba.resize(static_cast<size_t>(width_) * height_ * 4);
    cairo_surface_flush(cairo_->surface);
    const unsigned char* data = cairo_image_surface_get_data(cairo_->surface);
    const int stride = cairo_image_surface_get_stride(cairo_->surface);
    uint8_t* dst = out.rgba.data();
    for (int row = 0; row < height_; ++row) {
        const auto* line = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(row) * stride);
        for (int col = 0; col < width_; ++col) {
            const uint32_t p = line[col];
            *dst++ = static_cast<uint8_t>(p >> 16);
            *dst++ = static_cast<uint8_t>(p >> 8);
            *dst++ = static_cast<uint8_t>(p);
            *dst++ = 255;
        }
    }
    return out;
}

}  // namespace player
