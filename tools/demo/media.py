"""The demo catalogue's media, made once into a folder: MP3 tracks (lame), JPEG pictures
(ImageMagick) and a short WebM video (GStreamer). Made again only when missing."""

import array
import math
import os
import shutil
import subprocess
import wave

RATE = 22050

# (artist, title, seconds, base frequency): short tunes so a demo moves on quickly.
TRACKS = [
    ("Demo Orchestra", "Night Drive", 24, 220.0),
    ("Demo Orchestra", "Morning Rain", 20, 246.9),
    ("Synth Garden", "Blue Hour", 22, 261.6),
    ("Synth Garden", "Slow Tide", 18, 293.7),
    ("Paper Planes", "City Lights", 26, 329.6),
    ("Paper Planes", "Last Train", 16, 196.0),
]
RADIO_TRACKS = [
    ("Demo FM", "Evening Jingle", 12, 349.2),
    ("Demo FM", "Radio Waltz", 14, 174.6),
    ("Demo FM", "Static Dreams", 12, 207.7),
]
PICTURES = [("cover1", "#1d2b3a", "#6a4c2a"), ("cover2", "#2a1d3a", "#2a6a4c"), ("cover3", "#3a2a1d", "#4c2a6a")]
THUMBS = 6


def track_file(index):
    return f"track{index + 1}.mp3"


def radio_file(index):
    return f"radio{index + 1}.mp3"


def _tune(path, seconds, base):
    """A soft arpeggio over a drone, with a fade at each end."""
    steps = [1.0, 1.25, 1.5, 2.0, 1.5, 1.25]
    samples = array.array("h")
    beat = RATE // 4
    total = RATE * seconds
    for n in range(total):
        note = steps[(n // beat) % len(steps)]
        t = n / RATE
        within = (n % beat) / beat
        envelope = math.exp(-3.0 * within)
        fade = min(1.0, n / (RATE * 0.5), (total - n) / (RATE * 0.5))
        value = 0.35 * envelope * math.sin(2 * math.pi * base * note * t) + 0.12 * math.sin(2 * math.pi * base / 2 * t)
        samples.append(int(32767 * 0.8 * fade * value))
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(samples.tobytes())


def _mp3(folder, name, artist, title, seconds, base):
    target = os.path.join(folder, name)
    if os.path.exists(target):
        return
    wav = target + ".wav"
    _tune(wav, seconds, base)
    subprocess.run(["lame", "--quiet", "-b", "96", "--tt", title, "--ta", artist, "--tl", "VT-90 demo",
                    wav, target + ".part"], check=True)
    os.remove(wav)
    os.replace(target + ".part", target)


def _picture(path, size, top, bottom, caption):
    if os.path.exists(path):
        return
    command = ["convert", "-size", size, f"gradient:{top}-{bottom}", "-gravity", "center", "-fill", "#e8e2cf",
               "-pointsize", "28", "-annotate", "+0+0", caption, "-quality", "85", path]
    if subprocess.run(command, capture_output=True).returncode != 0:
        # Without a font for the caption, a plain gradient still makes a picture.
        subprocess.run(["convert", "-size", size, f"gradient:{top}-{bottom}", path], check=True)


def _video(path):
    if os.path.exists(path) or not shutil.which("gst-launch-1.0"):
        return
    subprocess.run(["gst-launch-1.0", "-q", "videotestsrc", "num-buffers=250", "pattern=ball", "!",
                    "video/x-raw,width=482,height=360,framerate=25/1", "!", "vp8enc", "!", "webmmux", "!",
                    "filesink", f"location={path}.part"], check=True, timeout=120)
    os.replace(path + ".part", path)


def make(folder):
    os.makedirs(folder, exist_ok=True)
    for i, (artist, title, seconds, base) in enumerate(TRACKS):
        _mp3(folder, track_file(i), artist, title, seconds, base)
    for i, (artist, title, seconds, base) in enumerate(RADIO_TRACKS):
        _mp3(folder, radio_file(i), artist, title, seconds, base)
    for name, top, bottom in PICTURES:
        _picture(os.path.join(folder, name + ".jpg"), "600x400", top, bottom, name.replace("cover", "Cover "))
    for i in range(THUMBS):
        _picture(os.path.join(folder, f"thumb{i + 1}.jpg"), "130x98", "#203040", "#604020", f"Clip {i + 1}")
    _video(os.path.join(folder, "clip.webm"))
    return folder
