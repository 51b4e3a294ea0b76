"""The committed pictures are exactly what the generator draws: running it into an empty folder
gives the same twenty files, byte for byte, and the start page needs nothing from outside."""

import filecmp
import os
import re
import subprocess
import sys
import tempfile

art = os.path.join(os.environ["VT_SOURCE_DIR"], "player", "art")
numbers = [1, 2, 3, 10, 11, 13, 14, 15, 16, 17, 18, 19, 25, 27, 28, 240, 360, 480, 720, 34]
names = sorted(f"image_{n}.png" for n in numbers)

failures = []
with tempfile.TemporaryDirectory(prefix="vt-art-") as out:
    subprocess.run(["/usr/bin/python3", os.path.join(art, "generate.py"), out], check=True)
    made = sorted(os.listdir(out))
    if made != names:
        failures.append(f"generator wrote {made}, expected {names}")
    for name in names:
        committed = os.path.join(art, name)
        fresh = os.path.join(out, name)
        if not os.path.exists(committed):
            failures.append(f"{name} is not committed")
        elif not os.path.exists(fresh) or not filecmp.cmp(committed, fresh, shallow=False):
            failures.append(f"{name} differs from the generator's output")

with open(os.path.join(art, "logo.html"), encoding="utf-8") as f:
    page = f.read()
outside = re.findall(r"""(?:src|href)\s*=\s*["']?[^"'\s>]+|url\([^)]*\)|@import|//[\w.-]+\.\w+/""", page)
if outside:
    failures.append(f"logo.html loads resources: {outside}")

for f in failures:
    print("FAIL:", f)
if failures:
    print("Regenerate with: /usr/bin/python3 player/art/generate.py")
    sys.exit(1)
print(f"{len(names)} pictures reproduced byte for byte; logo.html is self-contained")
