"""Shows Sweeper removing a demonstration installation. With a display the user answers the two
message boxes; without one, a private X server is started and the boxes are answered Yes."""

import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "support"))
from xvfb import Xvfb  # noqa: E402

build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
install = tempfile.mkdtemp(prefix="VT-90-demo-")
home = os.path.join(install, ".home")
menu = os.path.join(home, ".local", "share", "applications", "VT-90")
os.makedirs(menu)
for name in ["VT-90", "logo.html", "readme.txt"]:
    with open(os.path.join(install, name), "w") as f:
        f.write("demo\n")
with open(os.path.join(menu, "VT-90.desktop"), "w") as f:
    f.write("[Desktop Entry]\n")
with open(os.path.join(install, "uninst.dat"), "wb") as f:
    f.write(b"VT-90\r\nlogo.html\r\nreadme.txt\r\nuninst.dat\r\n")
own = os.path.join(install, "Sweeper")
shutil.copy2(os.path.join(build, "uninstaller", "Sweeper"), own)

print(f"Demonstration install folder: {install}")
print("  " + " ".join(sorted(os.listdir(install))))
env = dict(os.environ, HOME=home)
env.pop("XDG_DATA_HOME", None)
if os.environ.get("DISPLAY"):
    subprocess.run([own], cwd=install, env=env)
else:
    print("No display: running under a private X server and answering Yes.")
    with Xvfb() as x:
        proc = subprocess.Popen([own], cwd=install, env=x.env(HOME=home))
        x.press(x.wait_window("Деинсталляция VT-90"), "Return")
        x.press(x.wait_window("Деинсталлятор"), "Return")
        proc.wait(timeout=20)
import time  # noqa: E402
time.sleep(1)
print("After Sweeper:")
print("  " + " ".join(sorted(n for n in os.listdir(install) if n != ".home")) or "  (empty)")
shutil.rmtree(install, ignore_errors=True)
