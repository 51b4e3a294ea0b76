"""Kestrel and its installer as a user meets them, under a private X server: the user types a
folder into Kestrel, presses "Сжать!", types the installer's name into the save dialog and
confirms the report; the installer, copied to another folder and started there, gets a typed
destination and "Установить". The installed files match the source byte for byte, with their
executable and read-only bits, and the desktop holds the player's shortcut."""

import filecmp
import os
import shutil
import stat
import subprocess
import sys
import tempfile
import time

from xvfb import Xvfb, wait_until

build = os.environ["VT_BUILD_DIR"]
kestrel = os.path.join(build, "sfx", "builder", "Kestrel")
stub = os.path.join(build, "sfx", "stub", "kestrel-stub")


def click(x, window, px, py):
    x.xdotool("windowfocus", "--sync", window)
    x.xdotool("mousemove", "--window", window, str(px), str(py))
    time.sleep(0.1)
    x.xdotool("click", "1")
    time.sleep(0.3)


def type_into(x, window, px, py, text):
    click(x, window, px, py)
    x.xdotool("key", "ctrl+a")
    x.xdotool("type", "--delay", "20", text)
    time.sleep(0.3)


def window_gone(x, name):
    return not x.xdotool("search", "--onlyvisible", "--name", "^" + name + "$")


root = tempfile.mkdtemp(prefix="vt-sfx-e2e-")
try:
    home = os.path.join(root, "home")
    desktop = os.path.join(home, "Desktop")
    tmp = os.path.join(root, "tmp")
    source = os.path.join(root, "source")
    for folder in (desktop, tmp, os.path.join(source, "skins", "deep"), os.path.join(source, "Музыка")):
        os.makedirs(folder)
    files = {
        "VT-90": os.urandom(300000),
        "logo.html": b"<html>logo</html>\n",
        "uninst.dat": b"VT-90\r\nlogo.html\r\n",
        "skins/Vantor.rss": os.urandom(5000),
        "skins/deep/readme.txt": b"deep\n" * 1000,
        "Музыка/Песня.txt": b"la la\n",
    }
    for name, data in files.items():
        with open(os.path.join(source, name), "wb") as f:
            f.write(data)
    os.chmod(os.path.join(source, "VT-90"), 0o755)
    os.chmod(os.path.join(source, "uninst.dat"), 0o444)
    output = os.path.join(root, "out", "setup")
    os.makedirs(os.path.dirname(output))

    with Xvfb() as x:
        env = x.env(HOME=home, TMPDIR=tmp, XDG_CONFIG_HOME=os.path.join(home, ".config"))
        builder = subprocess.Popen([kestrel], env=env, cwd=root)
        w = x.wait_window("Kestrel v1.0")
        type_into(x, w, 95, 70, source + "/")
        click(x, w, 220, 145)  # "Сжать!"
        save = x.wait_window("Пожалуйста, выберите файл, чтобы сохранить")
        x.xdotool("windowfocus", "--sync", save)
        time.sleep(0.5)
        x.xdotool("key", "ctrl+a")
        x.xdotool("type", "--delay", "20", output)
        time.sleep(0.3)
        x.xdotool("key", "Return")
        done = x.wait_window("Готовы", timeout=60)
        assert os.path.exists(output), "no installer was written"
        x.press(done, "Return")
        assert wait_until(lambda: window_gone(x, "Готовы")), "the report stayed open"
        assert os.listdir(tmp) == [], f"temporary archive left behind: {os.listdir(tmp)}"
        click(x, w, 155, 145)  # "Выход"
        assert builder.wait(timeout=20) == 0

        with open(stub, "rb") as f:
            stub_bytes = f.read()
        with open(output, "rb") as f:
            installer = f.read()
        assert installer.startswith(stub_bytes), "the installer does not start with the stub"
        length = int.from_bytes(installer[-4:], "little")
        assert len(installer) == len(stub_bytes) + length + 4

        # The bare stub carries no archive: it says so, installs nothing and ends.
        empty_target = os.path.join(root, "nothing")
        bare = subprocess.Popen([stub], env=env, cwd=root)
        w = x.wait_window("Установка: Vantor плеер")
        click(x, w, 455, 275)  # "Далее"
        time.sleep(0.5)
        type_into(x, w, 145, 50, empty_target)
        click(x, w, 455, 275)  # "Установить"
        x.press(x.wait_window("Kestrel"), "Return")
        assert bare.wait(timeout=20) == 0
        assert not os.path.exists(empty_target) or os.listdir(empty_target) == []

        # The installer runs from another folder, under another name.
        elsewhere = os.path.join(root, "downloads")
        os.makedirs(elsewhere)
        setup = os.path.join(elsewhere, "vt90-setup")
        shutil.copy2(output, setup)
        os.chmod(setup, 0o755)
        target = os.path.join(root, "apps", "VT-90")
        wizard = subprocess.Popen([setup], env=env, cwd=elsewhere)
        w = x.wait_window("Установка: Vantor плеер")
        click(x, w, 455, 275)  # "Далее"
        time.sleep(0.5)
        type_into(x, w, 145, 50, target)
        click(x, w, 455, 275)  # "Установить"
        report = x.wait_window(str(len(files)), timeout=60)
        x.press(report, "Return")
        assert wizard.wait(timeout=20) == 0

    for name, data in files.items():
        path = os.path.join(target, name)
        with open(path, "rb") as f:
            assert f.read() == data, f"{name} differs"
    assert os.stat(os.path.join(target, "VT-90")).st_mode & stat.S_IXUSR, "the player lost its executable bit"
    assert not os.stat(os.path.join(target, "uninst.dat")).st_mode & stat.S_IWUSR, "read-only was lost"
    for name in files:
        src = os.stat(os.path.join(source, name)).st_mtime
        dst = os.stat(os.path.join(target, name)).st_mtime
        assert int(dst) == int(src) // 60 * 60, (name, src, dst)  # to the minute

    entry_path = os.path.join(desktop, "VT-90.desktop")
    with open(entry_path, encoding="utf-8") as f:
        entry = f.read()
    assert f"Exec={target}/VT-90" in entry, entry
    assert f"Path={target}/" in entry, entry
    assert "Comment=ярлык VT-90" in entry, entry
    assert os.stat(entry_path).st_mode & stat.S_IXUSR
    print("installer end to end: ok")
finally:
    for dirpath, dirnames, filenames in os.walk(root):
        for n in dirnames + filenames:
            try:
                os.chmod(os.path.join(dirpath, n), 0o755)
            except OSError:
                pass
    shutil.rmtree(root, ignore_errors=True)
