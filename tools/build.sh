#!/usr/bin/env bash
# Configures and builds one build folder: tools/build.sh FOLDER [cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$1; shift
cmake -S . -B "$dir" -G Ninja -Wno-dev "$@" >/dev/null
cmake --build "$dir"
