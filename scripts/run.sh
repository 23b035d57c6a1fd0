#!/usr/bin/env bash
# Builds the win64 preset and runs an exe under Wine. For now the exe is the conversion core's
# tests, as a self-check; once it is the GUI, set shot and it runs on screen instead.
set -euo pipefail
cd "$(dirname "$0")/.."

exe=${QUORVANE_RUN_EXE:-build/win64/tests/conversion/conversion_tests.exe}
shot=${QUORVANE_SCREENSHOT:-}   # e.g. build/screenshot.png: where the screen is saved

source cmake/xvfb.sh

# run_on_screen EXE PNG: runs EXE on $DISPLAY, or on a fresh Xvfb when none is set, and saves
# the whole screen to PNG a few seconds after its first window shows. On its own Xvfb it then
# ends the exe; on a real display it waits for the exe to be closed.
run_on_screen() {
  local exe=$1 png=$2 own=0 pid rc=0
  if [[ -z ${DISPLAY:-} ]]; then start_xvfb; own=1; fi
  cmake/wine-run.sh --prepare "$exe"   # so that no window of the prefix setup is taken for it
  cmake/wine-run.sh "$exe" & pid=$!
  timeout 180 xdotool search --sync --onlyvisible --name . >/dev/null || echo "no window yet" >&2
  sleep "${QUORVANE_SHOT_DELAY:-3}"
  mkdir -p "$(dirname "$png")"
  import -window root "$png"
  echo "screenshot: $png"
  if ((own)); then
    # The Wine process of the exe is wine-run.sh's child.
    kill $(pgrep -P "$pid") 2>/dev/null || true
    wait "$pid" || true
    stop_xvfb
  else
    wait "$pid" || rc=$?
  fi
  return "$rc"
}

bash scripts/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j 2

if [[ -n $shot ]]; then
  run_on_screen "$exe" "$shot"
else
  cmake/wine-run.sh "$exe"
fi
