#!/usr/bin/env python3
"""Start-up time and memory of VT-90 under Xvfb against the demo catalogue.

    measure.py [BUILD_DIR] [RUNS]

Start-up: from starting the process to its window being mapped (polled every 10 ms).
Memory: resident set of the player and of each web process it started, 5 s after start (the
login page loaded) and again after an audio search and a video's frame page."""

import os
import statistics
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.abspath(os.path.join(HERE, "..", "..", ".."))
sys.path.insert(0, os.path.join(ROOT, "tests", "support"))
sys.path.insert(0, os.path.join(ROOT, "tools", "demo"))

import demo  # noqa: E402
from xvfb import Xvfb  # noqa: E402


def rss_kib(pid):
    try:
        with open(f"/proc/{pid}/status") as f:
            for line in f:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1])
    except OSError:
        pass
    return 0


def descendants(root):
    children = {}
    for entry in os.listdir("/proc"):
        if entry.isdigit():
            try:
                with open(f"/proc/{entry}/stat") as f:
                    fields = f.read().rsplit(")", 1)[1].split()
                children.setdefault(int(fields[1]), []).append(int(entry))
            except OSError:
                pass
    found, stack = [], [root]
    while stack:
        for child in children.get(stack.pop(), []):
            found.append(child)
            stack.append(child)
    return found


def name(pid):
    try:
        with open(f"/proc/{pid}/comm") as f:
            return f.read().strip()
    except OSError:
        return "?"


def memory(pid):
    parts = {"VT-90": rss_kib(pid)}
    for child in descendants(pid):
        key = name(child)
        parts[key] = parts.get(key, 0) + rss_kib(child)
        parts[key + " processes"] = parts.get(key + " processes", 0) + 1
    return parts


def one_run(player_path, catalogue):
    with Xvfb(1280, 1024) as x:
        env = x.env(**catalogue.env(), VT_AUDIO_OUTPUT="null", GSETTINGS_BACKEND="memory")
        start = time.monotonic()
        player = subprocess.Popen([player_path], env=env, cwd="/tmp", stdout=subprocess.DEVNULL,
                                  stderr=subprocess.DEVNULL)
        window = None
        while not window and time.monotonic() - start < 60:
            window = x.xdotool("search", "--onlyvisible", "--name", "^VT-90$").split()
            if not window:
                time.sleep(0.01)
        shown = time.monotonic() - start
        window = window[0]
        time.sleep(5)
        idle = memory(player.pid)
        for point in [(965, 40), (933, 531)]:
            x.xdotool("mousemove", "--window", window, str(point[0]), str(point[1]))
            x.xdotool("click", "1")
            time.sleep(3)
        x.xdotool("mousemove", "--window", window, "120", "121")
        x.xdotool("click", "--repeat", "2", "--delay", "60", "1")
        time.sleep(5)
        busy = memory(player.pid)
        player.terminate()
        player.wait(timeout=10)
        return shown, idle, busy


def show(label, parts):
    total = sum(v for k, v in parts.items() if not k.endswith(" processes"))
    detail = ", ".join(f"{k} {v}" if k.endswith(" processes") else f"{k} {v / 1024:.1f}"
                       for k, v in sorted(parts.items()))
    print(f"  {label}: total {total / 1024:.1f} MiB ({detail})")


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build")
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 3
    player = os.path.abspath(os.path.join(build, "player", "VT-90"))
    with demo.Demo(os.path.join(build, "demo-media")) as catalogue:
        results = [one_run(player, catalogue) for _ in range(runs)]
    times = [r[0] for r in results]
    print(f"start to window shown: median {statistics.median(times) * 1000:.0f} ms "
          f"(runs: {', '.join(f'{t * 1000:.0f}' for t in times)})")
    print("resident memory (MiB), last run:")
    show("5 s after start", results[-1][1])
    show("after an audio search and a video frame", results[-1][2])


if __name__ == "__main__":
    main()
