"""The player's window as a user sees it, made through the window port under a private X
server: size and place, pictures that size their controls, the list's rows, clicks turned into
control events, the history drop-down, the display timer and work handed over from a thread."""

import os
import subprocess
import sys
import time

from xvfb import Xvfb, geometry, screen_rgb, wait_until

BUILD = os.environ["VT_BUILD_DIR"]
PROBE = os.path.join(BUILD, "platform", "player_window", "player_window_probe")
failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what)
    if not condition:
        failures.append(what)


def pixel(shot, px, py):
    width, rgb = shot
    i = (py * width + px) * 3
    return tuple(rgb[i:i + 3])


class Probe:
    def __init__(self, x):
        self.proc = subprocess.Popen([PROBE], env=x.env(), stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                     text=True)
        self.lines = []

    def read_until(self, prefix, timeout=10):
        deadline = time.time() + timeout
        while time.time() < deadline:
            line = self.proc.stdout.readline().strip()
            if not line:
                break
            self.lines.append(line)
            if line.startswith(prefix):
                return line
        raise AssertionError(f"no line starting {prefix!r}; got {self.lines[-10:]}")

    def send(self, command):
        self.proc.stdin.write(command + "\n")
        self.proc.stdin.flush()
        return self.read_until("done " + command.split()[0])

    def state(self):
        self.proc.stdin.write("state\n")
        self.proc.stdin.flush()
        line = self.read_until("state ")
        return dict(part.split("=", 1) for part in line.split()[1:])

    def saw(self, event):
        return any(line == "event " + event for line in self.lines)


with Xvfb(1280, 1024) as x:
    probe = Probe(x)
    probe.read_until("ready")
    window = x.wait_window("VT-90")
    left, top, width, height = geometry(x, window)
    check((left, top, width, height) == (1280 // 2 - 590, 240, 1183, 91),
          f"collapsed window at ({left}, {top}) {width} x {height}")
    probe.read_until("ticking")
    check(True, "the display timer ticks inside the event wait")

    # A picture sizes its control; removing it shows the background and keeps the size.
    probe.send("place 10 33 18 200 0 0")
    probe.send("place 100 10 29 0 200 0")
    time.sleep(0.3)
    shot = screen_rgb(x)
    check(pixel(shot, left + 63 + 32, top + 31 + 17) == (200, 0, 0), "picture 33 x 18 fills its grown control")
    check(pixel(shot, left + 63 + 33, top + 31 + 17) == (30, 30, 30), "and nothing beyond it")
    check(pixel(shot, left + 372 + 9, top + 27 + 28) == (0, 200, 0), "a 0 x 0 control shows once it has a picture")
    probe.send("remove 10")
    time.sleep(0.3)
    shot = screen_rgb(x)
    check(pixel(shot, left + 63 + 10, top + 31 + 10) == (30, 30, 30), "a removed picture lets the background show")

    # The window grows at its bottom edge; the list shows 14-pixel rows.
    probe.send("height 560")
    check(wait_until(lambda: geometry(x, window)[3] == 560, 5), "expanded to 560 px")
    check(geometry(x, window)[:3] == (left, top, 1183), "position and width stay")
    probe.send("rows 30")
    check(probe.state()["rows"] == "30", "thirty rows in the list")

    # Clicks: a picture-less control still takes its click; the background gives 513.
    x.xdotool("mousemove", "--window", window, "960", "38")
    time.sleep(0.2)
    x.xdotool("click", "1")
    x.xdotool("mousemove", "--window", window, "600", "45")
    time.sleep(0.2)
    x.xdotool("click", "1")
    probe.send("hand")
    wait_until(lambda: probe.state() and probe.saw("513 0 0"), 5)
    check(probe.saw("13100 14 0"), "a click on an image control without picture is its event")
    check(probe.saw("513 0 0"), "a press on the background is the window's")
    check(probe.saw("512 0 0"), "pointer movements arrive")

    # Rows are 14 px apart: a row's click and the click 14 px lower select neighbours.
    x.xdotool("mousemove", "--window", window, "100", "160")
    time.sleep(0.2)
    x.xdotool("click", "1")
    first = int(probe.state()["selection"])
    x.xdotool("mousemove", "--window", window, "100", "174")
    time.sleep(0.2)
    x.xdotool("click", "1")
    second = int(probe.state()["selection"])
    check(first >= 0 and second == first + 1, f"rows 14 px apart (rows {first} and {second})")
    x.xdotool("click", "--repeat", "2", "--delay", "80", "1")
    wait_until(lambda: probe.state() and probe.saw("13100 12 2"), 5)
    check(probe.saw("13100 12 0"), "a click on the list is its event")
    check(probe.saw("13100 12 2"), "a double click on the list is its event")

    # The drop-down hidden in its 1-px container opens on demand; a choice is its event.
    probe.send("open")
    time.sleep(0.5)
    x.xdotool("key", "Down")
    x.xdotool("key", "Return")
    check(wait_until(lambda: probe.state()["drop"] != "", 5), "an item chosen in the opened drop-down")
    check(probe.saw("13100 30 0"), "the choice reaches the loop as control 30")

    probe.proc.stdin.write("quit\n")
    probe.proc.stdin.flush()
    check(probe.proc.wait(timeout=10) == 0, "quits")

sys.exit(1 if failures else 0)
