"""Every picture the player lays over the background lines up with the face painted there: at
its control's position the picture's outer ring of pixels is the background's own, while inside
it the face is visibly different (pressed, lit, paused, expanded). The resting caption dot and the
volume track are painted on the background exactly as their pictures show them."""

import os
import sys

import cairo

art = os.path.join(os.environ["VT_SOURCE_DIR"], "player", "art")

# Picture -> top-left corner of the control that shows it, in window coordinates.
laid_over = {
    3: (1128, 3), 10: (63, 31), 11: (1087, 71), 13: (929, 31), 14: (953, 31), 15: (904, 31),
    16: (101, 31), 17: (31, 31), 25: (906, 522), 27: (1124, 71), 28: (133, 71),
    240: (994, 522), 360: (1026, 522), 480: (1058, 522), 720: (1090, 522), 34: (1122, 522),
}
painted_as_is = {2: [(1128, 3), (1145, 3), (1162, 3)], 18: [(186, 38)]}


def pixels(number):
    surface = cairo.ImageSurface.create_from_png(os.path.join(art, f"image_{number}.png"))
    data, stride = bytes(surface.get_data()), surface.get_stride()
    w, h = surface.get_width(), surface.get_height()
    return w, h, lambda x, y: data[y * stride + 4 * x:y * stride + 4 * x + 3]


_, _, background = pixels(1)
failures = []

for number, (x0, y0) in laid_over.items():
    w, h, picture = pixels(number)
    ring = [(x, y) for x in range(w) for y in range(h) if x in (0, w - 1) or y in (0, h - 1)]
    off_ring = [p for p in ring if picture(*p) != background(x0 + p[0], y0 + p[1])]
    inside = [(x, y) for x in range(1, w - 1) for y in range(1, h - 1)]
    changed = [p for p in inside if picture(*p) != background(x0 + p[0], y0 + p[1])]
    if off_ring:
        failures.append(f"image {number}: {len(off_ring)} edge pixels differ from the background at {x0},{y0}")
    if len(changed) < len(inside) // 4:
        failures.append(f"image {number}: only {len(changed)} of {len(inside)} inner pixels differ from the resting face")

for number, places in painted_as_is.items():
    w, h, picture = pixels(number)
    for x0, y0 in places:
        differing = sum(picture(x, y) != background(x0 + x, y0 + y) for x in range(w) for y in range(h))
        if differing:
            failures.append(f"image {number}: {differing} pixels differ from the background at {x0},{y0}")

for f in failures:
    print("FAIL:", f)
if failures:
    sys.exit(1)
print(f"{len(laid_over)} pictures line up with their painted faces")
