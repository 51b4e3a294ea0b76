// Draws the builder's banner (253 x 34, 24-bit BMP) and the installer's wizard picture
// (490 x 91, 8-bit RGB PNG). Pure arithmetic, so every build makes the same bytes.
//
//   make_art <banner.bmp> <wizard.png>

#include <png.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Canvas {
    int width, height;
    std::vector<uint8_t> rgb;
    Canvas(int w, int h) : width(w), height(h), rgb(static_cast<size_t>(w) * h * 3, 0) {}
    void set(int x, int y, int r, int g, int b) {
        if (x < 0 || y < 0 || x >= width || y >= height)
            return;
        uint8_t* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
        p[0] = static_cast<uint8_t>(r);
        p[1] = static_cast<uint8_t>(g);
        p[2] = static_cast<uint8_t>(b);
    }
    void fill(int x0, int y0, int w, int h, int r, int g, int b) {
        for (int y = y0; y < y0 + h; ++y)
            for (int x = x0; x < x0 + w; ++x)
                set(x, y, r, g, b);
    }
    void frame(int x0, int y0, int w, int h, int r, int g, int b) {
        fill(x0, y0, w, 1, r, g, b);
        fill(x0, y0 + h - 1, w, 1, r, g, b);
        fill(x0, y0, 1, h, r, g, b);
        fill(x0 + w - 1, y0, 1, h, r, g, b);
    }
};

// A 5 x 7 font for the few letters drawn; each row's bits from the left.
struct Glyph {
    char c;
    uint8_t rows[7];
};
constexpr Glyph kFont[] = {
    {'K', {0x11, 0x12, 0x14, 0x18, 0x14, 0x12, 0x11}}, {'e', {0x00, 0x00, 0x0E, 0x11, 0x1F, 0x10, 0x0E}},
    {'s', {0x00, 0x00, 0x0F, 0x10, 0x0E, 0x01, 0x1E}}, {'t', {0x08, 0x08, 0x1C, 0x08, 0x08, 0x09, 0x06}},
    {'r', {0x00, 0x00, 0x16, 0x19, 0x10, 0x10, 0x10}}, {'l', {0x0C, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E}},
    {'V', {0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04}}, {'T', {0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04}},
    {'-', {0x00, 0x00, 0x00, 0x1F, 0x00, 0x00, 0x00}}, {'9', {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C}},
    {'0', {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}},
};

int drawText(Canvas& c, int x, int y, const std::string& text, int scale, int r, int g, int b) {
    for (char ch : text) {
        for (const Glyph& gl : kFont) {
            if (gl.c != ch)
                continue;
            for (int row = 0; row < 7; ++row)
                for (int col = 0; col < 5; ++col)
                    if (gl.rows[row] & (0x10 >> col))
                        c.fill(x + col * scale, y + row * scale, scale, scale, r, g, b);
        }
        x += 6 * scale;
    }
    return x;
}

void arrowDown(Canvas& c, int cx, int top, int r, int g, int b) {
    c.fill(cx - 2, top, 5, 12, r, g, b);
    for (int i = 0; i < 8; ++i)
        c.fill(cx - 7 + i, top + 12 + i, 15 - 2 * i, 1, r, g, b);
}

Canvas banner() {
    Canvas c(253, 34);
    for (int x = 0; x < c.width; ++x) {
        const int t = x * 255 / (c.width - 1);
        for (int y = 0; y < c.height; ++y)
            c.set(x, y, 10 + t / 8, 40 + t / 3, 120 + t / 2 - y);
    }
    drawText(c, 11, 7, "Kestrel", 3, 10, 20, 60);  // shadow
    drawText(c, 10, 6, "Kestrel", 3, 235, 242, 255);
    arrowDown(c, 208, 5, 230, 240, 255);
    arrowDown(c, 232, 5, 230, 240, 255);
    return c;
}

Canvas wizardPicture() {
    Canvas c(490, 91);
    // Body of the player: dark panel with a lighter rim.
    for (int y = 0; y < c.height; ++y)
        c.fill(0, y, c.width, 1, 38 + y / 6, 42 + y / 6, 52 + y / 5);
    c.frame(0, 0, c.width, c.height, 120, 130, 150);
    // Menu bar.
    c.fill(1, 1, c.width - 2, 14, 70, 78, 96);
    for (int i = 0; i < 5; ++i)
        c.fill(8 + i * 46, 5, 34, 6, 170, 180, 200);
    drawText(c, 430, 3, "VT-90", 1, 230, 235, 245);
    // Level display: bars rising and falling like a spectrum.
    c.fill(10, 22, 170, 60, 8, 14, 10);
    for (int i = 0; i < 20; ++i) {
        const int h = 8 + static_cast<int>(22.0 * (1.0 + std::sin(i * 0.7)) + (i * 37 % 9));
        for (int y = 0; y < h; ++y) {
            const int red = y > 40 ? 230 : y > 28 ? 220 : 60;
            const int green = y > 40 ? 60 : 210;
            c.fill(14 + i * 8, 78 - y, 6, 1, red, green, 50);
        }
    }
    // Transport buttons: previous, play, pause, stop, next.
    for (int i = 0; i < 5; ++i) {
        const int x = 196 + i * 38, y = 30;
        c.fill(x, y, 32, 32, 88, 96, 116);
        c.frame(x, y, 32, 32, 150, 160, 180);
        const int r = 225, g = 230, b = 240;
        switch (i) {
        case 0:
            c.fill(x + 9, y + 10, 3, 12, r, g, b);
            for (int k = 0; k < 6; ++k)
                c.fill(x + 12 + k, y + 16 - k, 1, 2 * k + 1, r, g, b);
            break;
        case 1:
            for (int k = 0; k < 12; ++k)
                c.fill(x + 10 + k, y + 5 + k / 2 + 1, 1, 22 - k, r, g, b);
            break;
        case 2:
            c.fill(x + 10, y + 9, 4, 14, r, g, b);
            c.fill(x + 18, y + 9, 4, 14, r, g, b);
            break;
        case 3: c.fill(x + 10, y + 10, 12, 12, r, g, b); break;
        default:
            c.fill(x + 20, y + 10, 3, 12, r, g, b);
            for (int k = 0; k < 6; ++k)
                c.fill(x + 19 - k, y + 16 - k, 1, 2 * k + 1, r, g, b);
            break;
        }
    }
    // Volume slider with its knob.
    c.fill(396, 44, 84, 4, 20, 24, 30);
    c.frame(395, 43, 86, 6, 140, 150, 170);
    c.fill(450, 36, 10, 20, 200, 206, 220);
    c.frame(450, 36, 10, 20, 90, 96, 110);
    // Time read-out.
    c.fill(396, 66, 84, 16, 8, 14, 10);
    drawText(c, 402, 70, "0-09", 1, 90, 230, 90);
    return c;
}

bool writeBmp(const Canvas& c, const char* path) {
    const int stride = (c.width * 3 + 3) & ~3;
    const uint32_t pixels = static_cast<uint32_t>(stride * c.height);
    const uint32_t size = 54 + pixels;
    std::vector<uint8_t> out(size, 0);
    auto put16 = [&](size_t at, uint32_t v) {
        out[at] = v & 0xFF;
        out[at + 1] = (v >> 8) & 0xFF;
    };
    auto put32 = [&](size_t at, uint32_t v) {
        put16(at, v & 0xFFFF);
        put16(at + 2, v >> 16);
    };
    out[0] = 'B';
    out[1] = 'M';
    put32(2, size);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(c.width));
    put32(22, static_cast<uint32_t>(c.height));
    put16(26, 1);
    put16(28, 24);
    put32(34, pixels);
    put32(38, 2835);
    put32(42, 2835);
    for (int y = 0; y < c.height; ++y) {
        const uint8_t* src = &c.rgb[static_cast<size_t>(c.height - 1 - y) * c.width * 3];  // bottom-up
        uint8_t* dst = &out[54 + static_cast<size_t>(y) * stride];
        for (int x = 0; x < c.width; ++x) {
            dst[x * 3] = src[x * 3 + 2];
            dst[x * 3 + 1] = src[x * 3 + 1];
            dst[x * 3 + 2] = src[x * 3];
        }
    }
    FILE* f = std::fopen(path, "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
    return std::fclose(f) == 0 && ok;
}

bool writePng(const Canvas& c, const char* path) {
    FILE* f = std::fopen(path, "wb");
    if (!f)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        return false;
    }
    png_init_io(png, f);
    png_set_compression_level(png, 9);
    png_set_IHDR(png, info, static_cast<png_uint_32>(c.width), static_cast<png_uint_32>(c.height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < c.height; ++y)
        png_write_row(png, const_cast<png_bytep>(&c.rgb[static_cast<size_t>(y) * c.width * 3]));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(f) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_art <banner.bmp> <wizard.png>\n");
        return 2;
    }
    if (!writeBmp(banner(), argv[1]) || !writePng(wizardPicture(), argv[2])) {
        std::fprintf(stderr, "make_art: cannot write the pictures\n");
        return 1;
    }
    return 0;
}
