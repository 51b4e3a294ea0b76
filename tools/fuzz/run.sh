#!/usr/bin/env bash
# Builds the fuzz targets with clang-14 and libFuzzer (with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each one for a while, then merges what grew the coverage
# into its corpus in tools/fuzz/corpus/<target>, which the ordinary test run replays.
#
#   tools/fuzz/run.sh [SECONDS [TARGET...]]     default: 300 seconds for every *_fuzz.cpp
#
# Findings (crashing inputs) land in build-fuzz/findings/<target>/; the summary of each run
# (executions, coverage) is printed at the end and kept in build-fuzz/<target>.log.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-300}
shift || true
if (($# > 0)); then
  targets=("$@")
else
  targets=()
  for f in tools/fuzz/*_fuzz.cpp; do targets+=("$(basename "$f" .cpp)"); done
fi

out=build-fuzz
mkdir -p "$out/obj"
cxx=clang++-14
flags=(-std=c++20 -g -O1 -I. -fsanitize=address,undefined -fno-sanitize-recover=undefined)

# The product code under test, built once with coverage for the fuzzer.
sources=(common/lines.cpp platform/text/codepage.cpp platform/text/wildcard.cpp platform/xdg_folders.cpp
         platform/fake/fake_files.cpp platform/net/cookie_store.cpp platform/image/jpeg.cpp
         platform/image/resample.cpp)
for f in toolbox genre_list page_files web_config http_client audio_search video_search video_page radio \
         picture_search thumbnail catalogue; do
  sources+=("player/web/$f.cpp")
done
objects=()
for src in "${sources[@]}"; do
  obj="$out/obj/$(echo "$src" | tr / _).o"
  if [[ ! -f $obj || $src -nt $obj ]]; then
    "$cxx" "${flags[@]}" -fsanitize=fuzzer-no-link -c "$src" -o "$obj"
  fi
  objects+=("$obj")
done

for target in "${targets[@]}"; do
  "$cxx" "${flags[@]}" -fsanitize=fuzzer "tools/fuzz/$target.cpp" "${objects[@]}" -ljpeg -lpthread -o "$out/$target"
  work="$out/corpus/$target"
  findings="$out/findings/$target/"
  mkdir -p "$work" "$findings"
  cp -n "tools/fuzz/corpus/$target/"* "$work/" 2>/dev/null || true
  echo "== $target: ${seconds}s"
  "$out/$target" "$work" -max_total_time="$seconds" -print_final_stats=1 -rss_limit_mb=2048 \
    -timeout=10 -artifact_prefix="$findings" >"$out/$target.log" 2>&1 || echo "!! $target stopped with a finding"
  # Keep only what adds coverage, so the corpus stays small enough to replay in the tests.
  merged="$out/merged/$target"
  rm -rf "$merged" && mkdir -p "$merged"
  "$out/$target" -merge=1 "$merged" "tools/fuzz/corpus/$target" "$work" >>"$out/$target.log" 2>&1 || true
  if compgen -G "$merged/*" >/dev/null; then
    rm -rf "tools/fuzz/corpus/$target" && mkdir -p "tools/fuzz/corpus/$target"
    cp "$merged"/* "tools/fuzz/corpus/$target/"
  fi
done

for target in "${targets[@]}"; do
  echo "== $target"
  grep -E 'stat::number_of_executed_units|stat::peak_rss_mb|^Done|ERROR|SUMMARY' "$out/$target.log" | head -6 || true
  ls "$out/findings/$target" 2>/dev/null | sed 's/^/finding: /' || true
done
