"""What the user sees of VT-90 under Xvfb: the screen's pixels and the pointer's shape."""

import subprocess

from xvfb import screen_rgb


class Shot:
    """The screen as packed RGB, read in client coordinates of a window at (left, top)."""

    def __init__(self, x, left=0, top=0):
        self.width, self.rgb = screen_rgb(x)
        self.left, self.top = left, top

    def pixel(self, cx, cy):
        i = ((cy + self.top) * self.width + cx + self.left) * 3
        return tuple(self.rgb[i:i + 3])

    def region(self, cx, cy, w, h):
        return [self.pixel(cx + i, cy + j) for j in range(h) for i in range(w)]

    def bright(self, cx, cy, w, h, level=90):
        """How many pixels of the region are brighter than level (text on the dark face)."""
        return sum(1 for p in self.region(cx, cy, w, h) if max(p) > level)


_CURSOR_PROGRAM = r'''
import ctypes, ctypes.util
class Image(ctypes.Structure):
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short), ("width", ctypes.c_ushort),
                ("height", ctypes.c_ushort), ("xhot", ctypes.c_ushort), ("yhot", ctypes.c_ushort),
                ("serial", ctypes.c_ulong), ("pixels", ctypes.c_void_p), ("atom", ctypes.c_ulong),
                ("name", ctypes.c_char_p)]
x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
fixes = ctypes.CDLL(ctypes.util.find_library("Xfixes"))
x11.XOpenDisplay.restype = ctypes.c_void_p
fixes.XFixesGetCursorImage.restype = ctypes.POINTER(Image)
fixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
image = fixes.XFixesGetCursorImage(x11.XOpenDisplay(None))
print((image.contents.name or b"").decode() if image else "")
'''


def cursor_name(x):
    """The name of the pointer shape the screen shows now ("" for the default arrow)."""
    return subprocess.run(["/usr/bin/python3", "-c", _CURSOR_PROGRAM], env=x.env(), capture_output=True,
                          text=True, timeout=10).stdout.strip()
