"""The real Sweeper in a temporary install folder under its own X server: a user answers both
message boxes from the keyboard; the listed files and the applications-menu folder go, files
not listed stay, and the uninstaller's own executable is gone shortly after it ended."""

import os
import shutil
import subprocess
import sys
import tempfile

from xvfb import Xvfb, wait_until

build = os.environ["VT_BUILD_DIR"]
sweeper = os.path.join(build, "uninstaller", "Sweeper")

root = tempfile.mkdtemp(prefix="vt-sweeper-e2e-")
try:
    install = os.path.join(root, "opt", "VT 90 ($x)")
    home = os.path.join(root, "home")
    menu = os.path.join(home, ".local", "share", "applications", "VT-90")
    os.makedirs(os.path.join(install, "data"))
    os.makedirs(os.path.join(menu, "nested"))
    for name in ["VT-90", "a.dll", "data/b.txt", "Музыка.txt", "user-notes.txt"]:
        with open(os.path.join(install, name), "w") as f:
            f.write("content\n")
    for name in ["VT-90.desktop", "Sweeper.desktop", "nested/keep.desktop"]:
        with open(os.path.join(menu, name), "w") as f:
            f.write("[Desktop Entry]\n")
    own = os.path.join(install, "Sweeper")
    shutil.copy2(sweeper, own)
    listing = "VT-90\r\na.dll\r\ndata/b.txt\r\nМузыка.txt\r\nuninst.dat\r\n".encode("cp1251")
    with open(os.path.join(install, "uninst.dat"), "wb") as f:
        f.write(listing)

    with Xvfb() as x:
        env = x.env(HOME=home)
        env.pop("XDG_DATA_HOME", None)
        proc = subprocess.Popen([own], cwd=install, env=env)
        x.press(x.wait_window("Деинсталляция VT-90"), "Return")
        x.press(x.wait_window("Деинсталлятор"), "Return")
        code = proc.wait(timeout=20)

    assert code == 0, f"exit code {code}"
    left = sorted(os.listdir(install))
    assert "Sweeper" not in left or wait_until(lambda: not os.path.exists(own), timeout=15), \
        "the uninstaller's executable is still there"
    left = sorted(os.listdir(install))
    assert left == ["data", "user-notes.txt"], left
    assert os.listdir(os.path.join(install, "data")) == []
    assert sorted(os.listdir(menu)) == ["nested"], os.listdir(menu)
    print("sweeper e2e: 1 passed, 0 failed")
finally:
    shutil.rmtree(root, ignore_errors=True)
sys.exit(0)
