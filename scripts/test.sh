#!/usr/bin/env bash
# Builds and tests each preset in turn (native, fuzz, win64, win32), stopping at the first
# failure, and ends with one line "N passed, M failed" summing ctest's counts.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

# Wine prefixes of this tree's own, so that no state from other runs reaches the tests; a clean
# clone makes them afresh (about 30 s each).
export QUORVANE_WINE_CACHE=${QUORVANE_WINE_CACHE:-$PWD/build/wine}

# One virtual screen for every Wine test of this run.
source cmake/xvfb.sh
log=$(mktemp)
trap 'stop_xvfb; rm -f "$log"' EXIT
start_xvfb

passed=0 failed=0
for preset in native fuzz win64 win32; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j 2
  rc=0
  ctest --preset "$preset" -j 2 | tee "$log" || rc=$?
  # "100% tests passed, 0 tests failed out of 12"; no such line when there are no tests.
  if line=$(grep -Eo '[0-9]+ tests failed out of [0-9]+' "$log"); then
    read -r f _ _ _ _ n <<<"$line"
    passed=$((passed + n - f)) failed=$((failed + f))
  fi
  if ((rc)); then
    echo "$passed passed, $failed failed"
    exit "$rc"
  fi
done
echo "$passed passed, $failed failed"
