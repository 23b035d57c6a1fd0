#!/usr/bin/env bash
# Compares the release exe with the least program of its kind (benchmarks/minimal_window.cpp):
# start-up time, idle working set, stripped exe size and the convert click, as ratios measured
# in one run. The 32-bit exes run through qemu under Wine, which slows both alike; the 64-bit
# builds under wine64 give a second, less distorted figure.
#   scripts/benchmark.sh [runs]     (default 20 runs of each program per architecture)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-20}
export QUORVANE_WINE_CACHE=${QUORVANE_WINE_CACHE:-$PWD/build/wine}

source cmake/xvfb.sh
trap 'stop_xvfb' EXIT
if [[ -z ${DISPLAY:-} ]]; then start_xvfb; fi

windows_path() { echo "Z:$(realpath "$1" | tr / '\\')"; }

# ratio NAME VALUE GOAL: one line with the figure and whether it meets its goal.
verdict() {
  awk -v name="$1" -v value="$2" -v goal="$3" \
    'BEGIN { printf "  %-22s %.3f  (goal <= %s)  %s\n", name, value, goal, (value <= goal ? "met" : "MISSED") }'
}

for arch in i686 x86_64; do
  release=build/benchmark-release-$arch tools=build/benchmark-tools-$arch
  toolchain=$PWD/cmake/toolchain-mingw-$arch.cmake
  # The product as the release preset builds it: Release, no test switches.
  cmake -S . -B "$release" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DQUORVANE_TEST_HOOKS=OFF >/dev/null
  cmake --build "$release" --target quorvane >/dev/null
  cmake -S benchmarks -B "$tools" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$tools" >/dev/null

  echo "== $arch ($runs runs each)"
  out=$(mktemp)
  cmake/wine-run.sh "$tools/benchmark_launcher.exe" --runs="$runs" \
    --quorvane="$(windows_path "$release/app/Quorvane.exe")" \
    --minimal="$(windows_path "$tools/minimal_window.exe")" | tee "$out"
  field() { awk -v name="$1" '$1 == name { print $(NF-1) }' "$out"; }
  verdict "start-up median ratio" "$(field startup)" 1.10
  verdict "working set ratio" "$(field working_set)" 1.20
  verdict "convert click ratio" "$(field click)" 2
  rm -f "$out"

  strip=$arch-w64-mingw32-strip
  sizes=$(mktemp -d)
  "$strip" -o "$sizes/q.exe" "$release/app/Quorvane.exe"
  "$strip" -o "$sizes/m.exe" "$tools/minimal_window.exe"
  q=$(stat -c %s "$sizes/q.exe") m=$(stat -c %s "$sizes/m.exe")
  rm -rf "$sizes"
  echo "  stripped size          quorvane $q B, minimal $m B"
  verdict "stripped size ratio" "$(awk -v q="$q" -v m="$m" 'BEGIN { print q / m }')" 4
done
