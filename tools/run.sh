#!/usr/bin/env bash
# Installs what is needed, builds, starts the offline demo catalogue on loopback and VT-90 pointed
# at it. Without a display the player runs in a private X server and a screenshot of it is saved.
# Ending the player ends the catalogue.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
tools/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo

state=$(mktemp -d)
/usr/bin/python3 tools/demo/demo.py --media build/demo-media --env-file "$state/env" >"$state/demo.log" 2>&1 &
demo=$!
stop_demo() {
  kill "$demo" 2>/dev/null || true
  wait "$demo" 2>/dev/null || true
  rm -rf "$state"
}
trap stop_demo EXIT

echo "Starting the demo catalogue (the first run makes its tracks, pictures and clip)..."
for _ in $(seq 600); do
  [[ -f $state/env ]] && break
  kill -0 "$demo" 2>/dev/null || { cat "$state/demo.log"; exit 1; }
  sleep 0.2
done
[[ -f $state/env ]] || { echo "the demo catalogue did not start"; cat "$state/demo.log"; exit 1; }
# shellcheck disable=SC1091
source "$state/env"
tail -n 1 "$state/demo.log"

# The player leaves some page files under bare names in its working folder: build/, not the sources.
root=$PWD
cd build
if [[ -n ${DISPLAY:-} || -n ${WAYLAND_DISPLAY:-} ]]; then
  player/VT-90 &
else
  /usr/bin/python3 "$root/tools/demo/headless.py" player/VT-90 vt90-screenshot.png &
fi
# The player runs in the background so that a signal to this script reaches it at once.
player=$!
trap 'kill "$player" 2>/dev/null; wait "$player" 2>/dev/null; exit 130' INT TERM
wait "$player"
