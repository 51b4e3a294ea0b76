"""A user's session with VT-90 under a private X server, against the offline demo catalogue:
the window at start, expand and collapse, an audio search with its rows and picture, a track
played (its time moves), the radio genres to a station whose title reaches the title strip, the
user list, a local folder played and advanced, a video search whose row opens the frame page, and
quitting through the window's own button with exit code 0."""

import os
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE = os.environ["VT_SOURCE_DIR"]
BUILD = os.environ["VT_BUILD_DIR"]
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(SOURCE, "tools", "demo"))

import demo  # noqa: E402
import media  # noqa: E402
from screen import Shot, cursor_name  # noqa: E402
from xvfb import Xvfb, geometry, wait_until  # noqa: E402

PLAYER = os.path.join(BUILD, "player", "VT-90")
SCREEN_W = 1280
failures = []

# Client coordinates of the controls a user clicks (the middle of each).
AUDIO_SEARCH = (965, 40)
RADIO = (916, 40)
OPEN_FILE = (940, 40)
LIST_BUTTON = (1105, 78)
MY_LIST = (1142, 78)
VIDEO_SEARCH = (933, 531)
QUIT = (1169, 10)
QUALITY_240 = (1009, 531)
HISTORY = (151, 78)
ROW_X = 120
FIRST_ROW_Y = 121  # the middle of row 0, under the column headers
ROW_PITCH = 14
SELECTED = (58, 58, 58)


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what, flush=True)
    if not condition:
        failures.append(what)
    return condition


class Player:
    def __init__(self, x, env, cwd):
        self.x = x
        self.proc = subprocess.Popen([PLAYER], env=env, cwd=cwd, stdout=subprocess.DEVNULL,
                                     stderr=open(os.path.join(cwd, "player.err"), "wb"))
        self.window = x.wait_window("VT-90", timeout=30)
        self.left, self.top = geometry(x, self.window)[:2]

    def click(self, point, repeat=1):
        self.x.xdotool("mousemove", "--window", self.window, str(point[0]), str(point[1]))
        time.sleep(0.15)
        if repeat == 2:
            self.x.xdotool("click", "--repeat", "2", "--delay", "60", "1")
        else:
            self.x.xdotool("click", "1")
        time.sleep(0.3)

    def row(self, i):
        return (ROW_X, FIRST_ROW_Y + ROW_PITCH * i)

    def shot(self):
        return Shot(self.x, self.left, self.top)

    def height(self):
        return geometry(self.x, self.window)[3]

    def rows_with_text(self):
        shot = self.shot()
        count = 0
        for i in range(26):
            y = FIRST_ROW_Y - 5 + ROW_PITCH * i
            if shot.bright(14, y, 330, 10) > 8:
                count += 1
        return count

    def selected_row(self):
        shot = self.shot()
        for i in range(27):
            if shot.pixel(300, FIRST_ROW_Y + ROW_PITCH * i) == SELECTED:
                return i
        return -1


def find_dialog(x, player, timeout=10):
    """A dialog of the player: a second visible window of its class."""
    deadline = time.time() + timeout
    while time.time() < deadline:
        ids = x.xdotool("search", "--onlyvisible", "--class", "VT-90").split()
        others = [i for i in ids if i != player.window and geometry(x, i)[2] > 200]
        if others:
            return others[0]
        time.sleep(0.2)
    return None


def requested(catalogue, fragment):
    return any(fragment in line for line in catalogue.requests())


def make_local_folder(folder):
    """Three two-second MP3 files, so that the end of one is soon followed by the next."""
    os.makedirs(folder)
    for i, tone in enumerate([220.0, 330.0, 440.0]):
        wav = os.path.join(folder, f"{i + 1}.wav")
        media._tune(wav, 2, tone)
        subprocess.run(["lame", "--quiet", "--tt", f"Short {i + 1}", wav, os.path.join(folder, f"local{i + 1}.mp3")],
                       check=True)
        os.remove(wav)


def main():
    work = tempfile.mkdtemp(prefix="vt90-session-")
    temp = os.path.join(work, "tmp")
    os.makedirs(temp)
    local = os.path.join(work, "music")
    make_local_folder(local)
    media_dir = os.path.join(BUILD, "demo-media")
    with demo.Demo(media_dir) as catalogue, Xvfb(SCREEN_W, 1024) as x:
        env = x.env(**catalogue.env(), TMPDIR=temp, VT_AUDIO_OUTPUT="null", GSETTINGS_BACKEND="memory")
        player = Player(x, env, work)

        # Start: collapsed, centred by the player's own rule.
        left, top, width, height = geometry(x, player.window)
        check((left, top, width, height) == (SCREEN_W // 2 - 590, 240, 1183, 91),
              f"starts at ({left}, {top}), {width} x {height}")

        # The caption buttons light up under the pointer and go dark when it leaves them.
        dark = player.shot().region(1128, 3, 14, 14)
        x.xdotool("mousemove", "--window", player.window, "1135", "10")
        time.sleep(0.1)
        x.xdotool("mousemove", "--window", player.window, "1134", "9")
        check(wait_until(lambda: player.shot().region(1128, 3, 14, 14) != dark, 5), "the minimise button lights up")
        x.xdotool("mousemove", "--window", player.window, "600", "50")
        check(wait_until(lambda: player.shot().region(1128, 3, 14, 14) == dark, 5), "and goes dark again")

        # The hand over the clickable controls and the volume slider, the arrow elsewhere.
        def pointer_at(point):
            x.xdotool("mousemove", "--window", player.window, str(point[0]), str(point[1]))
            time.sleep(0.1)
            x.xdotool("mousemove", "--window", player.window, str(point[0] + 1), str(point[1]))
            time.sleep(0.3)
            return cursor_name(x)
        check(pointer_at(AUDIO_SEARCH) in ("pointer", "hand2"), "a hand over the search button")
        tip = lambda: [i for i in x.xdotool("search", "--onlyvisible", "--class", "VT-90").split()  # noqa: E731
                       if i != player.window]
        check(wait_until(lambda: len(tip()) == 1, 5), "resting there shows the button's tooltip")
        check(pointer_at((190, 40)) in ("pointer", "hand2"), "a hand over the volume slider")
        check(pointer_at((250, 15)) not in ("pointer", "hand2"), "the arrow over the plain band")

        # The top band drags the window (at a place where no control lies).
        x.xdotool("mousemove", "--window", player.window, "250", "15")
        time.sleep(0.2)
        x.xdotool("mousedown", "1")
        for step in range(1, 6):
            x.xdotool("mousemove_relative", "--", "6", "4")
            time.sleep(0.05)
        x.xdotool("mouseup", "1")
        moved = lambda: geometry(x, player.window)[:2] == (left + 30, top + 20)  # noqa: E731
        check(wait_until(moved, 5), f"a drag in the top band moves the window (now {geometry(x, player.window)[:2]})")
        player.left, player.top = geometry(x, player.window)[:2]

        # Expand and collapse.
        player.click(LIST_BUTTON)
        check(wait_until(lambda: player.height() == 560, 5), "the list button expands the window to 560")
        player.click(LIST_BUTTON)
        check(wait_until(lambda: player.height() == 91, 5), "and collapses it to 91 again")

        # The login happens in the hidden view; its cookies go along with the searches.
        check(wait_until(lambda: requested(catalogue, "act=login"), 15), "the hidden view logs in")
        time.sleep(1)

        # Audio search: rows, the picture, then a track played.
        player.click(AUDIO_SEARCH)
        check(wait_until(lambda: player.height() == 560, 10), "an audio search expands the window")
        check(wait_until(lambda: player.rows_with_text() == len(media.TRACKS), 10),
              f"the search fills {len(media.TRACKS)} rows")
        check(any("gsearch.php?section=audio" in r and "cookie=yes" in r for r in catalogue.requests()),
              "the search carries the login's cookie")
        check(wait_until(lambda: requested(catalogue, "/pictures/cover1.jpg"), 10), "the first picture is fetched")
        picture = player.shot()
        check(picture.bright(700, 250, 400, 40, level=150) > 50, "and shown beside the list")
        player.click(player.row(1), repeat=2)
        check(wait_until(lambda: requested(catalogue, "/audio/t2.mp3"), 10), "a double click plays its track")
        time.sleep(1.5)
        before = player.shot().region(812, 71, 40, 12)
        time.sleep(2.2)
        after = player.shot().region(812, 71, 40, 12)
        check(before != after and any(max(p) > 90 for p in after), "the elapsed time moves")

        # Radio: the genre list, its last row, a station, the station's title in the strip.
        player.click(RADIO)
        genres_file = os.path.join(temp, "стили.txt")
        with open(genres_file, "rb") as f:
            genres = f.read().decode("cp1251").split("\r\n")[:-1]
        check(len(genres) == 281, f"the genre list holds {len(genres)} names")
        check(wait_until(lambda: player.rows_with_text() >= 25, 5), "the genres fill the list")
        player.click(player.row(0))
        x.xdotool("key", "End")
        time.sleep(0.5)
        last = player.selected_row()
        check(last > 0, "End selects the last genre, at the bottom of the list")
        if last > 0:
            player.click(player.row(last), repeat=2)
            wanted = "/by_genre/" + genres[-1].replace(" ", "%20")
            check(wait_until(lambda: any(r.split()[1] in (wanted, "/by_genre/" + genres[-1]) or
                                         ("/by_genre/" + genres[-1]) in r for r in catalogue.requests()), 15),
                  f"the last row is the 281st genre ({genres[-1]})")
        check(wait_until(lambda: player.rows_with_text() == 3, 10), "the genre's three stations")
        strip_before = player.shot().bright(400, 71, 400, 14, level=100)
        player.click(player.row(0), repeat=2)
        check(wait_until(lambda: requested(catalogue, "/listen/1.pls"), 10), "a station is chosen")
        check(wait_until(lambda: player.shot().bright(400, 71, 400, 14, level=100) > strip_before + 20, 20),
              "the station's title reaches the title strip")

        # The user list.
        player.click(MY_LIST)
        check(wait_until(lambda: player.rows_with_text() == 20, 5), "my list shows 20 rows")

        # A local folder: chosen in the open dialog, played, and advanced at the end of a file.
        player.click(OPEN_FILE)
        dialog = find_dialog(x, player)
        if check(dialog is not None, "the open dialog appears"):
            x.xdotool("windowfocus", "--sync", dialog)
            time.sleep(0.3)
            x.xdotool("key", "ctrl+l")
            time.sleep(0.3)
            x.xdotool("type", "--delay", "20", os.path.join(local, "local1.mp3"))
            time.sleep(0.3)
            x.xdotool("key", "Return")
            check(wait_until(lambda: player.rows_with_text() == 3, 10), "the folder's three files are listed")
            check(wait_until(lambda: player.selected_row() >= 0, 5), "the chosen file is selected and plays")
            # The folder's order is the file system's; the first row is played from the list.
            player.click(player.row(0), repeat=2)
            check(wait_until(lambda: player.selected_row() == 0, 5), "a double click plays the first row")
            check(wait_until(lambda: player.selected_row() == 1, 15), "at its end the next file plays")

        # Video: a search, a row's thumbnail, a double click opens the frame page.
        player.click(VIDEO_SEARCH)
        check(wait_until(lambda: requested(catalogue, "section=video"), 10), "the video search is sent")
        check(wait_until(lambda: player.rows_with_text() == 6, 10), "six videos listed")
        player.click(player.row(0))
        check(wait_until(lambda: requested(catalogue, "/thumbs/1.jpg"), 10), "a click fetches the row's thumbnail")
        check(wait_until(lambda: player.shot().bright(476, 250, 180, 85) > 30, 10),
              "the worker's title reaches the preview label")
        time.sleep(0.5)
        player.click(player.row(0), repeat=2)
        check(wait_until(lambda: requested(catalogue, "/video300_500"), 10), "a double click fetches the video page")
        check(wait_until(lambda: requested(catalogue, "/video_ext.php?oid=300&id=500&hash=h300500"), 20),
              "and the video view loads the frame page")
        check(wait_until(lambda: requested(catalogue, "/media/clip.webm"), 20), "whose player plays the clip")
        if os.environ.get("VT_SCREENSHOT"):
            time.sleep(2)
            x.screenshot(os.environ["VT_SCREENSHOT"], player.window)

        # A quality button hands the clip to the download view, which asks where to save it.
        target = os.path.join(work, "saved", "clip.webm")
        os.makedirs(os.path.dirname(target))
        player.click(QUALITY_240)
        dialog = find_dialog(x, player)
        if check(dialog is not None, "a quality button opens a save dialog"):
            x.xdotool("windowfocus", "--sync", dialog)
            time.sleep(0.3)
            x.xdotool("key", "ctrl+a")
            x.xdotool("type", "--delay", "20", target)
            time.sleep(0.3)
            x.xdotool("key", "Return")
            clip = os.path.getsize(os.path.join(media_dir, "clip.webm"))
            check(wait_until(lambda: os.path.exists(target) and os.path.getsize(target) == clip, 15),
                  "the clip is saved where the user chose")
        check(requested(catalogue, "/u300/video/v500.240.mp4"), "from the address of quality 240")

        # The history drop-down, opened by control 28, fills the audio search field.
        player.click(HISTORY)
        time.sleep(0.5)
        # The first entry is the field's own start text; the second is another.
        x.xdotool("key", "Down")
        x.xdotool("key", "Down")
        x.xdotool("key", "Return")
        time.sleep(0.5)
        player.click(AUDIO_SEARCH)
        searches = lambda: [r for r in catalogue.requests() if "section=audio" in r]  # noqa: E731
        check(wait_until(lambda: len(searches()) == 2, 10) and "Depeche%20Mode%20Remix" not in searches()[-1],
              "a history entry chosen becomes the next search")

        # Quit through control 2.
        player.click(QUIT)
        try:
            code = player.proc.wait(timeout=15)
        except subprocess.TimeoutExpired:
            player.proc.kill()
            code = None
        check(code == 0, f"control 2 ends the program with exit code {code}")
    if failures:
        with open(os.path.join(work, "player.err"), errors="replace") as f:
            print(f.read()[-3000:])
    shutil.rmtree(work, ignore_errors=True)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
