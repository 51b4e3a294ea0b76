#!/usr/bin/python3
"""Draws the player's twenty pictures and writes them as PNG files.

    generate.py [OUTPUT_FOLDER]      (default: the folder of this script)

The background (image 1) is the whole face of the window: every button the window reacts to is
painted on it at its control's rectangle, so an invisible control can sit on top and take the
clicks. The pressed pictures are cut out of a second rendering of the same face in which every
button is pressed, so they line up with the background pixel for pixel and carry the same
brushed-metal grain around their edges.

The output is the same bytes on every run: the grain comes from a fixed integer generator, text
goes through fixed font options, and the PNG writer stores no time.
"""

import math
import os
import sys

import cairo

W, H = 1183, 560
BAND = 91                 # height of the collapsed window
FONT = "DejaVu Sans"      # from fonts-dejavu-core

# Warm amber that goes with the level meter's light cap and the beige text of the edit fields.
AMBER = (1.0, 0.64, 0.16)
AMBER_DIM = (0.55, 0.38, 0.14)
ICON = (0.80, 0.81, 0.83)

# Control rectangles (x, y, w, h) of every face painted on the background.
PREV, PLAY, NEXT = (31, 31, 27, 18), (63, 31, 33, 18), (101, 31, 27, 18)
RADIO, OPEN, SEARCH = (904, 31, 24, 18), (929, 31, 23, 18), (953, 31, 24, 18)
HISTORY, LIST, MYLIST = (133, 71, 36, 15), (1087, 71, 36, 15), (1124, 71, 36, 15)
VIDEO_SEARCH = (906, 522, 54, 18)
QUALITIES = [(240, "240", 994), (360, "360", 1026), (480, "480", 1058), (720, "720", 1090), (34, "FLV", 1122)]
DOTS = [1128, 1145, 1162]
DOT_Y = 3
VOLUME = (186, 38, 73, 5)
PERCENT = (285, 34, 30, 12)
AUDIO_EDIT = (1020, 33, 120, 14)
VIDEO_EDIT = (645, 524, 240, 14)
DISPLAY = (324, 21, 860, 61)          # inclusive edges
METER_X0, METER_X1, METER_Y = 372, 813, 27
TITLE = (400, 71, 400, 14)
TIME = (812, 71, 40, 12)
# Row shades of the title, time and percentage windows, the same the display timer paints.
STRIP_ROWS = (42, 40, 39, 39, 37, 35, 33, 32, 30, 29, 27, 26, 24, 23)
PERCENT_ROWS = (30, 30, 29, 29, 28, 28, 27, 26, 26, 25, 25, 24)
METER_ROWS = (25, 24, 24, 22, 22, 21, 20, 19, 18, 17, 16, 15, 14, 14)   # dark rows of a bar
LIST_PANEL = (10, 100, 450, 395)
PREVIEW = (476, 100, 657, 239)        # inclusive edges
CAPTION = (476, 250, 180, 85)
VIDEO = (671, 100, 1171, 480)         # inclusive edges
VIDEO_INNER = (681, 110, 482, 360)


# ---------------------------------------------------------------------------------------------
# Brushed metal

class Grain:
    """xorshift32: a small generator whose sequence no library update can change."""

    def __init__(self, state):
        self.state = state

    def next(self):
        x = self.state
        x ^= (x << 13) & 0xFFFFFFFF
        x ^= x >> 17
        x ^= (x << 5) & 0xFFFFFFFF
        self.state = x
        return x


def metal_base(y):
    """Grey level of the plate at row y before the grain: the top band is a slightly lighter
    plate than the lower body, each with a soft vertical falloff."""
    if y < BAND:
        return 50.0 - 16.0 * (y / (BAND - 1))
    t = (y - BAND) / (H - BAND)
    return 30.0 - 6.0 * t


def brushed_metal():
    """An opaque surface of dark metal brushed along x: long streaks from row noise smoothed
    over 31 pixels, plus a faint pixel grain."""
    stride = cairo.ImageSurface.format_stride_for_width(cairo.FORMAT_RGB24, W)
    data = bytearray(stride * H)
    rng = Grain(0x2545F491)
    span = 31
    for y in range(H):
        noise = [(rng.next() & 0xFFFF) / 65535.0 - 0.5 for _ in range(W + span)]
        acc = sum(noise[:span])
        base = metal_base(y)
        row = y * stride
        for x in range(W):
            streak = acc / span * 9.0
            acc += noise[x + span] - noise[x]
            fine = ((rng.next() & 0xFF) / 255.0 - 0.5) * 2.0
            v = base + streak + fine
            v = 0 if v < 0 else (255 if v > 255 else v)
            i = row + 4 * x
            data[i] = min(255, int(v + 4.5))   # blue: a cool tint to the steel
            data[i + 1] = int(v + 1.5)
            data[i + 2] = int(v + 0.5)
    return cairo.ImageSurface.create_for_data(data, cairo.FORMAT_RGB24, W, H, stride)


# ---------------------------------------------------------------------------------------------
# Drawing helpers (all coordinates are whole pixels; rectangles are x, y, w, h)

def grey(v, a=1.0):
    return (v / 255.0, v / 255.0, v / 255.0, a)


def paint_with(ctx, colour):
    """Makes colour, (r, g, b) or (r, g, b, a) in 0..1, the current source."""
    if len(colour) == 4:
        ctx.set_source_rgba(*colour)
    else:
        ctx.set_source_rgb(*colour)


def fill(ctx, rect, colour):
    ctx.rectangle(*rect)
    paint_with(ctx, colour)
    ctx.fill()


def hline(ctx, x0, x1, y, colour):
    fill(ctx, (x0, y, x1 - x0 + 1, 1), colour)


def vline(ctx, x, y0, y1, colour):
    fill(ctx, (x, y0, 1, y1 - y0 + 1), colour)


def vgradient(ctx, rect, stops):
    x, y, w, h = rect
    g = cairo.LinearGradient(0, y, 0, y + h)
    for offset, colour in stops:
        g.add_color_stop_rgba(offset, *(tuple(colour) + (1.0,))[:4])
    ctx.rectangle(*rect)
    ctx.set_source(g)
    ctx.fill()


def rounded(ctx, x, y, w, h, r):
    ctx.new_sub_path()
    ctx.arc(x + w - r, y + r, r, -math.pi / 2, 0)
    ctx.arc(x + w - r, y + h - r, r, 0, math.pi / 2)
    ctx.arc(x + r, y + h - r, r, math.pi / 2, math.pi)
    ctx.arc(x + r, y + r, r, math.pi, 3 * math.pi / 2)
    ctx.close_path()


def recess(ctx, x0, y0, x1, y1, inside):
    """A panel sunk into the plate, outer edges inclusive: shadow on top and left, a 1-px lit lip
    on the bottom and right."""
    fill(ctx, (x0, y0, x1 - x0 + 1, y1 - y0 + 1), inside)
    hline(ctx, x0, x1, y0, grey(6))
    vline(ctx, x0, y0, y1, grey(8))
    hline(ctx, x0 + 1, x1 - 1, y0 + 1, grey(0, 0.35))
    hline(ctx, x0, x1, y1, grey(255, 0.13))
    vline(ctx, x1, y0 + 1, y1, grey(255, 0.09))


def ridge(ctx, x0, x1, y):
    """A groove across the plate: a dark line over a lit one."""
    hline(ctx, x0, x1, y, grey(8, 0.8))
    hline(ctx, x0, x1, y + 1, grey(255, 0.08))


def font(ctx, size, bold=False):
    ctx.select_font_face(FONT, cairo.FONT_SLANT_NORMAL,
                         cairo.FONT_WEIGHT_BOLD if bold else cairo.FONT_WEIGHT_NORMAL)
    ctx.set_font_size(size)
    options = cairo.FontOptions()
    options.set_antialias(cairo.ANTIALIAS_GRAY)
    options.set_hint_style(cairo.HINT_STYLE_SLIGHT)
    options.set_hint_metrics(cairo.HINT_METRICS_ON)
    ctx.set_font_options(options)


def text(ctx, s, x, baseline, size, colour, bold=False, align="left", spacing=0.0, engraved=False):
    """Draws s with its baseline at `baseline`; x is the left edge, the centre or the right edge.
    Engraved text gets a 1-px light echo below it, as if cut into the plate."""
    font(ctx, size, bold)
    if spacing == 0:
        width = ctx.text_extents(s).x_advance
    else:
        width = sum(ctx.text_extents(ch).x_advance for ch in s) + spacing * (len(s) - 1)
    if align == "center":
        x = x - width / 2
    elif align == "right":
        x = x - width
    x = round(x)
    passes = [((255, 255, 255, 0.07), 1), (colour, 0)] if engraved else [(colour, 0)]
    for c, dy in passes:
        paint_with(ctx, c)
        if spacing == 0:
            ctx.move_to(x, baseline + dy)
            ctx.show_text(s)
            continue
        cx = x
        for ch in s:
            ctx.move_to(round(cx), baseline + dy)
            ctx.show_text(ch)
            cx += ctx.text_extents(ch).x_advance + spacing
    return width


# ---------------------------------------------------------------------------------------------
# Button faces

def face(ctx, rect, pressed, radius=2.5):
    """A small metal key filling its control rectangle exactly. Pressed, it is pushed in: darker,
    lit from below, with a shadow under its top edge."""
    x, y, w, h = rect
    # Dark rim that separates the key from the plate.
    rounded(ctx, x, y, w, h, radius)
    ctx.set_source_rgba(*grey(5))
    ctx.fill()
    rounded(ctx, x + 1, y + 1, w - 2, h - 2, radius - 1)
    if pressed:
        g = cairo.LinearGradient(0, y, 0, y + h)
        g.add_color_stop_rgb(0, *grey(17)[:3])
        g.add_color_stop_rgb(1, *grey(34)[:3])
    else:
        g = cairo.LinearGradient(0, y, 0, y + h)
        g.add_color_stop_rgb(0, *grey(84)[:3])
        g.add_color_stop_rgb(0.5, *grey(60)[:3])
        g.add_color_stop_rgb(1, *grey(44)[:3])
    ctx.set_source(g)
    ctx.fill()
    if pressed:
        hline(ctx, x + 2, x + w - 3, y + 1, grey(0, 0.55))
        hline(ctx, x + 2, x + w - 3, y + 2, grey(0, 0.25))
        hline(ctx, x + 2, x + w - 3, y + h - 2, (AMBER[0], AMBER[1], AMBER[2], 0.35))
    else:
        hline(ctx, x + 2, x + w - 3, y + 1, grey(255, 0.30))
        hline(ctx, x + 2, x + w - 3, y + h - 2, grey(0, 0.30))


def icon_colour(pressed):
    return AMBER if pressed else ICON


def glow(ctx, pressed, draw):
    """Draws a shape in the icon colour; pressed, it is lit in amber over a faint halo."""
    if pressed:
        ctx.save()
        ctx.set_source_rgba(AMBER[0], AMBER[1], AMBER[2], 0.12)
        ctx.set_line_width(2.0)
        ctx.set_line_join(cairo.LINE_JOIN_ROUND)
        draw()
        ctx.stroke()
        ctx.restore()
    ctx.set_source_rgb(*icon_colour(pressed))
    draw()
    ctx.fill()


def triangle(ctx, x, y, w, h, pointing_right=True):
    if pointing_right:
        ctx.move_to(x, y)
        ctx.line_to(x + w, y + h / 2)
        ctx.line_to(x, y + h)
    else:
        ctx.move_to(x + w, y)
        ctx.line_to(x, y + h / 2)
        ctx.line_to(x + w, y + h)
    ctx.close_path()


def transport_icon(ctx, rect, kind, pressed):
    x, y, w, h = rect
    dy = 1 if pressed else 0
    cy = y + 5 + dy
    if kind == "prev":
        def draw():
            ctx.rectangle(x + 8, cy, 2, 8)
            triangle(ctx, x + 10, cy, 5, 8, False)
            triangle(ctx, x + 15, cy, 5, 8, False)
        glow(ctx, pressed, draw)
    elif kind == "next":
        def draw():
            triangle(ctx, x + 7, cy, 5, 8)
            triangle(ctx, x + 12, cy, 5, 8)
            ctx.rectangle(x + 17, cy, 2, 8)
        glow(ctx, pressed, draw)
    elif kind == "play":
        # Play and pause on one key; paused, the pause bars light up.
        def draw_play():
            triangle(ctx, x + 8, cy, 7, 8)
        def draw_pause():
            ctx.rectangle(x + 19, cy, 2, 8)
            ctx.rectangle(x + 23, cy, 2, 8)
        ctx.set_source_rgb(*(grey(120)[:3] if pressed else ICON))
        draw_play()
        ctx.fill()
        glow(ctx, pressed, draw_pause)


def radio_icon(ctx, rect, pressed):
    x, y, w, h = rect
    dy = 1 if pressed else 0
    cx, cy = x + w / 2, y + 8 + dy
    ctx.save()
    if pressed:
        ctx.set_source_rgba(AMBER[0], AMBER[1], AMBER[2], 0.12)
        ctx.arc(cx, cy, 5, 0, 2 * math.pi)
        ctx.fill()
    ctx.set_source_rgb(*icon_colour(pressed))
    ctx.arc(cx, cy, 1.6, 0, 2 * math.pi)
    ctx.fill()
    ctx.set_line_width(1.2)
    for r in (4.0, 6.5):
        ctx.arc(cx, cy, r, -math.pi / 4, math.pi / 4)
        ctx.new_sub_path()
        ctx.arc(cx, cy, r, 3 * math.pi / 4, 5 * math.pi / 4)
        ctx.stroke()
    ctx.move_to(cx, cy + 1)
    ctx.line_to(cx, y + h - 4 + dy)
    ctx.stroke()
    ctx.restore()


def open_icon(ctx, rect, pressed):
    """An eject mark: the open-file key."""
    x, y, w, h = rect
    dy = 1 if pressed else 0
    def draw():
        ctx.move_to(x + 6, y + 10 + dy)
        ctx.line_to(x + w / 2, y + 4 + dy)
        ctx.line_to(x + w - 6, y + 10 + dy)
        ctx.close_path()
        ctx.rectangle(x + 6, y + 12 + dy, w - 12, 2)
    glow(ctx, pressed, draw)


def magnifier(ctx, cx, cy, r, colour, width=1.4):
    ctx.save()
    paint_with(ctx, colour)
    ctx.set_line_width(width)
    ctx.arc(cx, cy, r, 0, 2 * math.pi)
    ctx.stroke()
    ctx.set_line_width(width + 0.6)
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    d = r / math.sqrt(2)
    ctx.move_to(cx + d + 0.5, cy + d + 0.5)
    ctx.line_to(cx + d + 3.5, cy + d + 3.5)
    ctx.stroke()
    ctx.restore()


def search_icon(ctx, rect, pressed):
    x, y, w, h = rect
    dy = 1 if pressed else 0
    if pressed:
        magnifier(ctx, x + 10.5, y + 7.5 + dy, 3.5, (AMBER[0], AMBER[1], AMBER[2], 0.12), 3.0)
    magnifier(ctx, x + 10.5, y + 7.5 + dy, 3.5, icon_colour(pressed))


def label_key(ctx, rect, label, pressed, size=7.5, bold=True):
    """A key with a short word on it, centred."""
    x, y, w, h = rect
    dy = 1 if pressed else 0
    baseline = y + h / 2 + size * 0.36 + dy
    text(ctx, label, x + w / 2, baseline, size, AMBER if pressed else grey(200)[:3], bold, "center")


def list_icon(ctx, rect, lit):
    """The list key: three lines and a triangle that turns up while the list is open."""
    x, y, w, h = rect
    dy = 1 if lit else 0
    c = icon_colour(lit)
    for i in range(3):
        fill(ctx, (x + 8, y + 4 + 3 * i + dy, 12, 1), c)
    ctx.set_source_rgb(*c)
    if lit:
        ctx.move_to(x + 23, y + 10 + dy)
        ctx.line_to(x + 26.5, y + 5 + dy)
        ctx.line_to(x + 30, y + 10 + dy)
    else:
        ctx.move_to(x + 23, y + 5)
        ctx.line_to(x + 26.5, y + 10)
        ctx.line_to(x + 30, y + 5)
    ctx.close_path()
    ctx.fill()


def star_icon(ctx, cx, cy, r, colour):
    ctx.set_source_rgb(*colour)
    for i in range(10):
        a = -math.pi / 2 + i * math.pi / 5
        rr = r if i % 2 == 0 else r * 0.45
        px, py = cx + rr * math.cos(a), cy + rr * math.sin(a)
        ctx.move_to(px, py) if i == 0 else ctx.line_to(px, py)
    ctx.close_path()
    ctx.fill()


def mylist_icon(ctx, rect, pressed):
    x, y, w, h = rect
    dy = 1 if pressed else 0
    star_icon(ctx, x + 11, y + 7.5 + dy, 4.5, icon_colour(pressed))
    for i in range(3):
        fill(ctx, (x + 18, y + 4 + 3 * i + dy, 11, 1), icon_colour(pressed))


def history_icon(ctx, rect, pressed):
    """A clock and a drop-down arrow: the list of earlier searches."""
    x, y, w, h = rect
    dy = 1 if pressed else 0
    c = icon_colour(pressed)
    cx, cy = x + 12, y + 7.5 + dy
    ctx.save()
    ctx.set_source_rgb(*c)
    ctx.set_line_width(1.2)
    ctx.arc(cx, cy, 4.5, 0, 2 * math.pi)
    ctx.stroke()
    ctx.move_to(cx, cy - 3)
    ctx.line_to(cx, cy)
    ctx.line_to(cx + 2.5, cy + 1)
    ctx.stroke()
    ctx.move_to(x + 21, y + 6 + dy)
    ctx.line_to(x + 24.5, y + 10 + dy)
    ctx.line_to(x + 28, y + 6 + dy)
    ctx.close_path()
    ctx.fill()
    ctx.restore()


def dot(ctx, x, y, orange):
    """A caption button: a round jewel, grey at rest, orange under the pointer."""
    cx, cy = x + 7, y + 7
    ctx.arc(cx, cy, 6.5, 0, 2 * math.pi)
    ctx.set_source_rgba(*grey(4, 0.9))
    ctx.fill()
    g = cairo.RadialGradient(cx - 1.5, cy - 2, 0.5, cx, cy, 6)
    if orange:
        g.add_color_stop_rgb(0, 1.0, 0.86, 0.55)
        g.add_color_stop_rgb(0.45, 1.0, 0.55, 0.10)
        g.add_color_stop_rgb(1, 0.55, 0.22, 0.02)
    else:
        g.add_color_stop_rgb(0, *grey(170)[:3])
        g.add_color_stop_rgb(0.5, *grey(100)[:3])
        g.add_color_stop_rgb(1, *grey(48)[:3])
    ctx.arc(cx, cy, 5.5, 0, 2 * math.pi)
    ctx.set_source(g)
    ctx.fill()
    ctx.arc(cx - 1.5, cy - 2.2, 1.6, 0, 2 * math.pi)
    ctx.set_source_rgba(1, 1, 1, 0.55 if orange else 0.35)
    ctx.fill()


# ---------------------------------------------------------------------------------------------
# Volume track and knob (drawn into the slider surface by the display timer)

def volume_track(ctx, x, y):
    """73 x 5: a groove with a thin amber scale line in it."""
    w = 73
    fill(ctx, (x, y, w, 5), grey(10))
    hline(ctx, x, x + w - 1, y, grey(4))
    hline(ctx, x + 1, x + w - 2, y + 4, grey(58))
    vline(ctx, x, y, y + 4, grey(6))
    vline(ctx, x + w - 1, y, y + 4, grey(40))
    # A dim ramp that brightens to the right: loudness grows along the track.
    g = cairo.LinearGradient(x + 2, 0, x + w - 2, 0)
    g.add_color_stop_rgb(0, AMBER_DIM[0] * 0.35, AMBER_DIM[1] * 0.35, AMBER_DIM[2] * 0.35)
    g.add_color_stop_rgb(1, *AMBER_DIM)
    ctx.rectangle(x + 2, y + 2, w - 4, 1)
    ctx.set_source(g)
    ctx.fill()


def volume_knob(ctx):
    """12 x 5 on a transparent ground: a lit pill with soft ends."""
    rounded(ctx, 0, 0, 12, 5, 2.5)
    g = cairo.LinearGradient(0, 0, 0, 5)
    g.add_color_stop_rgb(0, 1.0, 0.86, 0.55)
    g.add_color_stop_rgb(0.5, *AMBER)
    g.add_color_stop_rgb(1, 0.62, 0.33, 0.05)
    ctx.set_source(g)
    ctx.fill()
    fill(ctx, (3, 0, 6, 1), (1, 1, 1, 0.45))
    fill(ctx, (5, 1, 2, 3), (0.35, 0.18, 0.02, 0.6))


# ---------------------------------------------------------------------------------------------
# The window face

def display_box(ctx):
    x0, y0, x1, y1 = DISPLAY
    recess(ctx, x0, y0, x1, y1, grey(13))
    # Glass: a faint gloss over the upper half.
    g = cairo.LinearGradient(0, y0 + 1, 0, y1)
    g.add_color_stop_rgba(0, 1, 1, 1, 0.06)
    g.add_color_stop_rgba(0.45, 1, 1, 1, 0.015)
    g.add_color_stop_rgba(0.46, 1, 1, 1, 0.0)
    g.add_color_stop_rgba(1, 0, 0, 0, 0.0)
    ctx.rectangle(x0 + 1, y0 + 2, x1 - x0 - 1, y1 - y0 - 2)
    ctx.set_source(g)
    ctx.fill()
    # Empty meter bars, as they look before the first redraw.
    for i in range(20):
        for bx in (METER_X0 + 11 * i, 804 - 11 * i):
            fill(ctx, (bx, METER_Y, 10, 29), grey(38))
            for k in range(14):
                hline(ctx, bx, bx + 9, METER_Y + 1 + 2 * k, grey(METER_ROWS[k]))
            hline(ctx, bx, bx + 9, METER_Y + 28, grey(96))
    # Centre mark between the two halves.
    for yy in range(METER_Y, METER_Y + 29, 2):
        fill(ctx, (592, yy, 1, 1), (AMBER_DIM[0], AMBER_DIM[1], AMBER_DIM[2], 0.7))
    # Position bar, dark until a track plays.
    hline(ctx, METER_X0, METER_X1, 58, grey(14))
    hline(ctx, METER_X0 - 1, METER_X1 + 1, 57, grey(0, 0.4))
    # Little markings at both ends of the meter.
    text(ctx, "L", 335, 36, 7, AMBER_DIM, True)
    text(ctx, "R", 851, 36, 7, AMBER_DIM, True, "right")
    for i, lvl in enumerate((-20, -10, -3, 0)):
        yy = 53 - i * 6
        fill(ctx, (360, yy, 6, 1), grey(70) if lvl < 0 else AMBER_DIM)
        fill(ctx, (819, yy, 6, 1), grey(70) if lvl < 0 else AMBER_DIM)
    text(ctx, "MP3", 331, 56, 6, grey(92), True)
    text(ctx, "ST", 854, 56, 6, grey(92), True, "right")
    # A small speaker mark and a wave mark in the corners.
    ctx.set_source_rgb(*grey(92)[:3])
    ctx.rectangle(333, 42, 3, 4)
    ctx.fill()
    ctx.move_to(336, 42)
    ctx.line_to(340, 39)
    ctx.line_to(340, 49)
    ctx.line_to(336, 46)
    ctx.close_path()
    ctx.fill()
    ctx.set_line_width(1)
    ctx.arc(341, 44, 3, -math.pi / 3, math.pi / 3)
    ctx.stroke()
    ctx.move_to(838, 44)
    for k in range(9):
        ctx.line_to(838 + k * 1.5, 44 + 3 * math.sin(k * 0.9))
    ctx.stroke()


def sheen(ctx):
    """A broad, faint light falling across the plate from the upper left."""
    g = cairo.LinearGradient(0, 0, W * 0.6, H * 0.9)
    g.add_color_stop_rgba(0, 1, 1, 1, 0.05)
    g.add_color_stop_rgba(0.35, 1, 1, 1, 0.015)
    g.add_color_stop_rgba(0.6, 1, 1, 1, 0.0)
    g.add_color_stop_rgba(1, 0, 0, 0, 0.06)
    ctx.rectangle(0, 0, W, H)
    ctx.set_source(g)
    ctx.fill()


def top_band(ctx):
    # The window's outline and the bottom of the collapsed band.
    ctx.rectangle(0.5, 0.5, W - 1, H - 1)
    ctx.set_source_rgba(*grey(3))
    ctx.set_line_width(1)
    ctx.stroke()
    hline(ctx, 1, W - 2, 1, grey(255, 0.16))
    vline(ctx, 1, 1, H - 2, grey(255, 0.06))
    hline(ctx, 1, W - 2, BAND - 1, grey(3))
    hline(ctx, 1, W - 2, BAND, grey(255, 0.07))
    hline(ctx, 1, W - 2, BAND - 2, grey(255, 0.05))

    # Menu-like words, engraved, with no function.
    x = 12
    for word in ("Файл", "Вид", "Воспроизведение", "Сервис", "Справка"):
        x += text(ctx, word, x, 14, 8, grey(150), False, engraved=True) + 14

    # The name on the plate, between the menu and the caption dots.
    text(ctx, "VT-90", 592, 15, 10, grey(185), True, "center", spacing=2.0, engraved=True)
    fill(ctx, (548, 9, 10, 1), AMBER_DIM)
    fill(ctx, (627, 9, 10, 1), AMBER_DIM)

    # Caption dots sit in a small dark tray.
    recess(ctx, 1124, 1, 1180, 18, grey(16))

    # Transport tray.
    recess(ctx, 27, 27, 131, 52, grey(20))
    # Volume: speaker mark, track, percentage window.
    ctx.set_source_rgb(*grey(150)[:3])
    ctx.rectangle(168, 37, 3, 6)
    ctx.fill()
    ctx.move_to(171, 37)
    ctx.line_to(176, 33)
    ctx.line_to(176, 47)
    ctx.line_to(171, 43)
    ctx.close_path()
    ctx.fill()
    text(ctx, "ГРОМКОСТЬ", 222, 31, 6.5, grey(120), True, "center", engraved=True)
    recess(ctx, 184, 36, 260, 44, grey(10))
    volume_track(ctx, *VOLUME[:2])
    # The percentage window, shaded as the display timer shades it, showing the start volume.
    px, py, pw, ph = PERCENT
    recess(ctx, px - 3, py - 3, px + pw + 2, py + ph + 2, grey(26))
    for k in range(ph):
        hline(ctx, px, px + pw - 1, py + k, grey(PERCENT_ROWS[k]))
    text(ctx, "50%", px, py + 9, 8, grey(127))

    display_box(ctx)

    # Right group: radio, open, audio search, then the search field.
    recess(ctx, 900, 27, 981, 52, grey(20))
    ex, ey, ew, eh = AUDIO_EDIT
    recess(ctx, ex - 26, ey - 4, ex + ew + 22, ey + eh + 3, grey(51))
    hline(ctx, ex - 25, ex + ew + 21, ey - 3, grey(0, 0.35))
    magnifier(ctx, 1006.5, 38.5, 3.5, grey(150)[:3])
    vline(ctx, 1015, 32, 47, grey(70))
    text(ctx, "поиск музыки", 1078, 60, 7, grey(105), False, "center", engraved=True)

    # Second strip: three decorative keys next to the history key, title and time windows.
    recess(ctx, 21, 68, 172, 88, grey(18))
    for i, word in enumerate(("EQ", "REP", "MIX")):
        rect = (24 + 36 * i, 71, 36, 15)
        face(ctx, rect, False)
        fill(ctx, (rect[0] + 5, 77, 3, 3), grey(30))
        text(ctx, word, rect[0] + 21, 81, 7, grey(150), True, "center")
    # Title and time windows, shaded as the display timer shades them.
    tx, ty, tw, th = TITLE
    recess(ctx, tx - 4, ty - 3, tx + tw + 3, ty + th + 2, grey(20))
    for k in range(th):
        hline(ctx, tx, tx + tw - 1, ty + k, grey(STRIP_ROWS[k]))
    tx, ty, tw, th = TIME
    recess(ctx, tx - 4, ty - 3, tx + 63, ty + 16, grey(24))
    for k in range(th):
        hline(ctx, tx, tx + tw - 1, ty + k, grey(STRIP_ROWS[k]))
    text(ctx, "0:00", tx, ty + 9, 8, grey(127))
    # A speaker grille fills the free run of the strip.
    for gx in range(890, 1077, 5):
        for gy, off in ((72, 0), (76, 2), (80, 0), (84, 2)):
            fill(ctx, (gx + off, gy, 2, 2), grey(8, 0.9))
            fill(ctx, (gx + off, gy + 2, 2, 1), grey(255, 0.07))
    recess(ctx, 1084, 68, 1163, 88, grey(18))
    # Title grooves at the edges of the strip.
    ridge(ctx, 178, 390, 78)


def body(ctx):
    # List panel with its sunken border.
    x, y, w, h = LIST_PANEL
    recess(ctx, x - 2, y - 2, x + w + 1, y + h + 1, grey(16))
    fill(ctx, (x, y, w, h), grey(16))
    # Preview frame and the caption panel under it.
    x0, y0, x1, y1 = PREVIEW
    recess(ctx, x0, y0, x1, y1, grey(10))
    for i in range(0, 160, 8):
        fill(ctx, (485 + i, 110, 4, 1), grey(26))
        fill(ctx, (485 + i, 229, 4, 1), grey(26))
    text(ctx, "превью", (x0 + x1) / 2, 174, 8, grey(46), True, "center")
    cx, cy, cw, ch = CAPTION
    recess(ctx, cx, cy - 4, cx + cw, cy + ch + 2, grey(18))
    # The name again, larger, in the free column under the preview.
    text(ctx, "VT-90", 566, 430, 26, grey(50), True, "center", spacing=2.0, engraved=True)
    fill(ctx, (496, 442, 140, 1), AMBER_DIM)
    text(ctx, "музыка · радио · видео", 566, 458, 8, grey(90), False, "center", engraved=True)
    # Video frame: a bezel around the browser area.
    x0, y0, x1, y1 = VIDEO
    recess(ctx, x0, y0, x1, y1, grey(22))
    vx, vy, vw, vh = VIDEO_INNER
    vgradient(ctx, (x0 + 1, y0 + 2, x1 - x0 - 1, y1 - y0 - 2),
              [(0, grey(30)), (1, grey(18))])
    recess(ctx, vx - 1, vy - 1, vx + vw, vy + vh, grey(6))
    for sx, sy in ((x0 + 4, y0 + 4), (x1 - 6, y0 + 4), (x0 + 4, y1 - 6), (x1 - 6, y1 - 6)):
        fill(ctx, (sx, sy, 3, 3), grey(12))
        fill(ctx, (sx, sy, 2, 2), grey(60))
    # Bottom strip.
    ridge(ctx, 2, W - 3, 503)
    text(ctx, "ПОИСК ВИДЕО", 645, 516, 6.5, grey(120), True, engraved=True)
    text(ctx, "КАЧЕСТВО", 994, 516, 6.5, grey(120), True, engraved=True)
    ex, ey, ew, eh = VIDEO_EDIT
    recess(ctx, ex - 5, ey - 4, ex + ew + 5, ey + eh + 3, grey(51))
    hline(ctx, ex - 4, ex + ew + 4, ey - 3, grey(0, 0.35))
    recess(ctx, 902, 518, 964, 543, grey(20))
    recess(ctx, 990, 518, 1157, 543, grey(20))
    text(ctx, "VT-90", 14, 536, 9, grey(120), True, spacing=1.5, engraved=True)
    text(ctx, "медиаплеер", 64, 536, 8, grey(85), False, engraved=True)


def face_window(pressed):
    """The whole window face, with every key at rest or every key pressed."""
    surface = cairo.ImageSurface(cairo.FORMAT_RGB24, W, H)
    ctx = cairo.Context(surface)
    ctx.set_source_surface(brushed_metal(), 0, 0)
    ctx.paint()
    sheen(ctx)
    top_band(ctx)
    body(ctx)

    for x in DOTS:
        dot(ctx, x, DOT_Y, pressed)
    for rect, kind in ((PREV, "prev"), (PLAY, "play"), (NEXT, "next")):
        face(ctx, rect, pressed)
        transport_icon(ctx, rect, kind, pressed)
    face(ctx, RADIO, pressed)
    radio_icon(ctx, RADIO, pressed)
    face(ctx, OPEN, pressed)
    open_icon(ctx, OPEN, pressed)
    face(ctx, SEARCH, pressed)
    search_icon(ctx, SEARCH, pressed)
    face(ctx, HISTORY, pressed)
    history_icon(ctx, HISTORY, pressed)
    face(ctx, LIST, pressed)
    list_icon(ctx, LIST, pressed)
    face(ctx, MYLIST, pressed)
    mylist_icon(ctx, MYLIST, pressed)
    face(ctx, VIDEO_SEARCH, pressed)
    label_key(ctx, VIDEO_SEARCH, "ПОИСК", pressed)
    for _, label, x in QUALITIES:
        rect = (x, 522, 31, 18)
        face(ctx, rect, pressed)
        label_key(ctx, rect, label, pressed, 7)
    surface.flush()
    return surface


def crop(source, rect):
    x, y, w, h = rect
    out = cairo.ImageSurface(cairo.FORMAT_RGB24, w, h)
    ctx = cairo.Context(out)
    ctx.set_source_surface(source, -x, -y)
    ctx.paint()
    return out


def pictures():
    """Image number -> surface, in the order the player decodes them."""
    rest = face_window(False)
    pressed = face_window(True)
    track = cairo.ImageSurface(cairo.FORMAT_RGB24, 73, 5)
    volume_track(cairo.Context(track), 0, 0)
    knob = cairo.ImageSurface(cairo.FORMAT_ARGB32, 12, 5)
    volume_knob(cairo.Context(knob))
    out = {
        1: rest,
        2: crop(rest, (DOTS[0], DOT_Y, 14, 14)),
        3: crop(pressed, (DOTS[0], DOT_Y, 14, 14)),
        10: crop(pressed, PLAY),
        11: crop(pressed, LIST),
        13: crop(pressed, OPEN),
        14: crop(pressed, SEARCH),
        15: crop(pressed, RADIO),
        16: crop(pressed, NEXT),
        17: crop(pressed, PREV),
        18: track,
        19: knob,
        25: crop(pressed, VIDEO_SEARCH),
        27: crop(pressed, MYLIST),
        28: crop(pressed, HISTORY),
    }
    for number, _, x in QUALITIES:
        out[number] = crop(pressed, (x, 522, 31, 18))
    return out


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    os.makedirs(folder, exist_ok=True)
    for number, surface in pictures().items():
        surface.write_to_png(os.path.join(folder, f"image_{number}.png"))


if __name__ == "__main__":
    main()
