"""A private X server for one end-to-end test, and small xdotool helpers."""

import os
import subprocess
import time


class Xvfb:
    """Starts Xvfb on a free display; use as a context manager."""

    def __init__(self, width=1280, height=1024):
        self.size = f"{width}x{height}x24"
        self.proc = None
        self.display = None

    def __enter__(self):
        read_fd, write_fd = os.pipe()
        self.proc = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", self.size, "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_fd)
        with os.fdopen(read_fd) as f:
            number = f.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + number
        return self

    def __exit__(self, *exc):
        self.proc.terminate()
        self.proc.wait(timeout=10)

    def env(self, **extra):
        env = dict(os.environ)
        env.update(DISPLAY=self.display, NO_AT_BRIDGE="1", GTK_A11Y="none")
        env.update(extra)
        return env

    def xdotool(self, *args, timeout=20):
        return subprocess.run(["xdotool", *args], env=self.env(), capture_output=True, text=True,
                              timeout=timeout).stdout.strip()

    def wait_window(self, name, timeout=20):
        """The id of the first visible window whose title is exactly name."""
        deadline = time.time() + timeout
        pattern = "^" + name + "$"
        while time.time() < deadline:
            ids = self.xdotool("search", "--onlyvisible", "--name", pattern).split()
            if ids:
                return ids[0]
            time.sleep(0.1)
        raise AssertionError(f"no window named {name!r} within {timeout} s")

    def press(self, window, key):
        """Gives the window the keyboard and presses a key, as a user at the keyboard would."""
        self.xdotool("windowfocus", "--sync", window)
        time.sleep(0.2)
        self.xdotool("key", key)

    def screenshot(self, path, window="root"):
        subprocess.run(["import", "-window", window, path], env=self.env(), check=True, timeout=30)


def geometry(x, window):
    """A window's (left, top, width, height) on the screen, as xwininfo reports it."""
    out = subprocess.run(["xwininfo", "-id", window], env=x.env(), capture_output=True, text=True).stdout
    values = {}
    for line in out.splitlines():
        key, _, value = line.strip().partition(":")
        values[key] = value.strip()
    return (int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"]),
            int(values["Width"]), int(values["Height"]))


def screen_rgb(x):
    """The whole screen as (width, bytes of packed RGB), read from a PPM dump."""
    data = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"], env=x.env(),
                          capture_output=True, check=True, timeout=30).stdout
    fields, at = [], 0
    while len(fields) < 4:  # P6, width, height, maximum value
        while data[at:at + 1].isspace():
            at += 1
        end = at
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[at:end])
        at = end
    return int(fields[1]), data[at + 1:]


def wait_until(predicate, timeout=10, step=0.05):
    deadline = time.time() + timeout
    while time.time() < deadline:
        if predicate():
            return True
        time.sleep(step)
    return predicate()
