#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test: the whole suite on a normal build, then
# the unit tests again on a build with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh

jobs=$(nproc)
tools/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
(cd build && ctest --output-on-failure -j "$jobs")

tools/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DVT_SANITIZE=ON
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest -L unit --output-on-failure -j "$jobs")
