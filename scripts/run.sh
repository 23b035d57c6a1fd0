#!/usr/bin/env bash
# Builds the release exe (the win32 preset) and starts it under Wine: on $DISPLAY when there is
# one, otherwise on a virtual screen, saving a screenshot to build/screenshot.png.
set -euo pipefail
cd "$(dirname "$0")/.."

exe=${QUORVANE_RUN_EXE:-build/win32/app/Quorvane.exe}
shot=${QUORVANE_SCREENSHOT:-build/screenshot.png}   # where the screen is saved without a display

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
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j 2 --target quorvane

if [[ -n ${DISPLAY:-} ]]; then
  cmake/wine-run.sh "$exe"
else
  run_on_screen "$exe" "$shot"
fi
