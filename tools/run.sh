#!/usr/bin/env bash
# Installs what is needed, builds, and starts the programs. Until the player exists this shows
# the uninstaller at work on a demonstration install folder.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
tools/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo

if [[ -x build/player/VT-90 ]]; then
  exec build/player/VT-90
fi
exec /usr/bin/python3 tools/demo_sweeper.py build
