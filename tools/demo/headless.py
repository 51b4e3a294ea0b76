#!/usr/bin/env python3
"""VT-90 on a machine without a display: runs it in a private X server, searches once as a user
would, saves a screenshot of the expanded window and keeps the player running until it ends or
Ctrl+C is pressed.

    headless.py PLAYER SCREENSHOT
"""

import os
import signal
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tests", "support"))

from xvfb import Xvfb  # noqa: E402


def _interrupted(*_):
    raise KeyboardInterrupt


def main():
    # Ended from outside (the run command's own end): the player and the X server go too.
    signal.signal(signal.SIGTERM, _interrupted)
    player_path, screenshot = sys.argv[1], os.path.abspath(sys.argv[2])
    with Xvfb(1280, 1024) as x:
        player = subprocess.Popen([player_path], env=x.env(GSETTINGS_BACKEND="memory"))
        try:
            window = x.wait_window("VT-90", timeout=30)
            time.sleep(2)  # the hidden view logs in meanwhile
            x.xdotool("mousemove", "--window", window, "965", "40")
            x.xdotool("click", "1")
            time.sleep(3)
            x.screenshot(screenshot, window)
            print(f"No display here: VT-90 runs in a private X server ({x.display}).")
            print(f"Screenshot of its window after an audio search: {screenshot}")
            print("Press Ctrl+C to stop the player and the demo catalogue.", flush=True)
            player.wait()
        except KeyboardInterrupt:
            pass
        finally:
            if player.poll() is None:
                player.send_signal(signal.SIGTERM)
                try:
                    player.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    player.kill()


if __name__ == "__main__":
    main()
