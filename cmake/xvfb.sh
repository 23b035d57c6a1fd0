# Sourced by the scripts that need a virtual screen.
# start_xvfb: starts Xvfb (1024x768x24) on a free display, exports DISPLAY, sets xvfb_pid.
xvfb_pid=
start_xvfb() {
  local f
  f=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$f" </dev/null >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [[ -s $f ]] && break; sleep 0.1; done
  [[ -s $f ]] || { rm -f "$f"; echo "Xvfb did not start" >&2; return 1; }
  DISPLAY=:$(<"$f")
  export DISPLAY
  rm -f "$f"
}

stop_xvfb() {
  [[ -n ${xvfb_pid:-} ]] || return 0
  kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  xvfb_pid=
}
