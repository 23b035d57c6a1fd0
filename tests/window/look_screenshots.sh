#!/usr/bin/env bash
# End-to-end check of the themed look on the real program: starts Quorvane.exe on the display
# (a virtual one of its own when none is set), takes screenshots in the normal, hot and focused states, keeps them as
# PNGs and compares chosen pixels with the scheme 1 colours.
#   tests/window/look_screenshots.sh path/to/Quorvane.exe output-folder
# Wine runs in $WINEPREFIX when set, else in the prefix cmake/wine-run.sh prepares.
# Needs Xvfb, xdotool and ImageMagick. Exits 0 when every pixel matched, 1 otherwise.
set -euo pipefail

[[ $# -eq 2 ]] || { echo "usage: $0 Quorvane.exe output-folder" >&2; exit 2; }
exe=$(realpath "$1")
out=$2
mkdir -p "$out"
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64
export WINEDEBUG=-all
if [[ -z ${WINEPREFIX:-} ]]; then
  prefix=${QUORVANE_WINE_CACHE:-${XDG_CACHE_HOME:-~/.cache}/quorvane}/wine-win64
  # A fresh Wine session: input state that tests before this one left in the server (a long
  # run of synthetic mouse messages leaves the button from turning hot) must not show here.
  WINEPREFIX=$prefix "$WINESERVER" -k 2>/dev/null || true
  "$source_dir/cmake/wine-run.sh" --prepare "$exe"
  export WINEPREFIX=$prefix
fi

xvfb_pid=
app_pid=
# Ends only what this script started, by the ids it noted.
cleanup() {
  if [[ -n $app_pid ]]; then kill "$app_pid" 2>/dev/null || true; wait "$app_pid" 2>/dev/null || true; fi
  if [[ -n $xvfb_pid ]]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
}
trap cleanup EXIT

# The test run's display when there is one (its Wine desktop lives there), else one of its own.
if [[ -z ${DISPLAY:-} ]]; then
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" </dev/null >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [[ -s $display_file ]] && break; sleep 0.1; done
  [[ -s $display_file ]] || { echo "Xvfb did not start" >&2; exit 1; }
  export DISPLAY=:$(<"$display_file")
  rm -f "$display_file"
fi

LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 "$WINELOADER" "$exe" </dev/null >/dev/null 2>&1 &
app_pid=$!
for _ in $(seq 150); do
  xdotool search --name '^Quorvane$' >/dev/null 2>&1 && break
  sleep 0.2
done
xdotool search --name '^Quorvane$' >/dev/null 2>&1 || { echo "the window did not appear" >&2; exit 1; }
xdotool mousemove 1 1
sleep 1

shot() { import -window root "$out/$1.png"; }
pixel() { convert "$out/$1.png" -format "%[fx:round(255*p{$2,$3}.r)],%[fx:round(255*p{$2,$3}.g)],%[fx:round(255*p{$2,$3}.b)]" info:; }
# The bounding box "width height left top" of the pixels of one exact colour.
box_of() {
  convert "$out/$1.png" -fill black +opaque "$2" -fill white -opaque "$2" -trim \
    -format '%w %h %X %Y' info: | tr -d '+'
}
count_of() {
  convert "$out/$1.png" -fill black +opaque "$2" -fill white -opaque "$2" -format '%[fx:int(mean*w*h)]' info:
}

# Retakes a screenshot until the pixel shows the colour or five seconds have passed: Wine
# repaints a moment after the pointer or the focus has moved.
settle() {  # name x y r,g,b
  for _ in $(seq 20); do
    shot "$1"
    [[ $(pixel "$1" "$2" "$3") == "$4" ]] && return 0
    sleep 0.25
  done
}

failures=0
expect() {  # name x y r,g,b what
  local actual
  actual=$(pixel "$1" "$2" "$3")
  if [[ $actual == "$4" ]]; then
    echo "ok   $1: $5 ($actual)"
  else
    echo "FAIL $1: $5 at ($2,$3) is $actual, expected $4"
    failures=$((failures + 1))
  fi
}

shot normal
# The button's border is the one run of RGB(0,60,115): a 156 x 28 ring, two pixels inside it.
geometry=$(box_of normal '#003C73')
read -r width height left top <<<"$geometry"
if [[ $width != 156 || $height != 28 ]]; then
  echo "FAIL normal: the button border spans ${width}x${height}, expected 156x28"
  exit 1
fi
middle=$((left + 78))
band_top=$((top + 1))
band_bottom=$((top + 26))
settle normal "$middle" "$band_top" 255,255,255
expect normal "$middle" "$band_top" 255,255,255 "band top"
expect normal "$middle" "$band_bottom" 226,223,214 "band bottom"
# Six edit boxes, each with a one-pixel outer ring of RGB(123,158,189) round 80 x 20.
rings=$(count_of normal '#7B9EBD')
if ((rings == 6 * (2 * 80 + 2 * 18))); then
  echo "ok   normal: six edit box rings ($rings pixels)"
else
  echo "FAIL normal: $rings pixels of the edit box ring colour, expected $((6 * (2 * 80 + 2 * 18)))"
  failures=$((failures + 1))
fi

xdotool mousemove "$middle" $((top + 14))
settle hot "$middle" "$band_top" 255,240,207
expect hot "$middle" "$band_top" 255,240,207 "hot band top"
expect hot "$middle" "$band_bottom" 229,151,0 "hot band bottom"

xdotool mousemove 1 1
settle left "$middle" "$band_top" 255,255,255
expect left "$middle" "$band_top" 255,255,255 "band top once the mouse left"

# From the first box the tab cycle reaches the button after six steps.
for _ in 1 2 3 4 5 6; do xdotool key Tab; sleep 0.1; done
settle focused "$middle" "$band_top" 206,231,255
expect focused "$middle" "$band_top" 206,231,255 "focus band top"
expect focused "$middle" "$band_bottom" 105,130,238 "focus band bottom"

xdotool key Escape
wait "$app_pid" 2>/dev/null || true
app_pid=
echo "screenshots in $out"
((failures == 0))
