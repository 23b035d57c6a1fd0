#!/usr/bin/env bash
# Runs a Windows exe under Wine; CMake's CROSSCOMPILING_EMULATOR and scripts/run.sh use it.
#   cmake/wine-run.sh program.exe [args...]
#   cmake/wine-run.sh --prepare program.exe   (only makes the prefix for that exe's arch)
# Exits with the low byte of the exe's exit code, all that Wine hands the shell:
# ExitProcess(0xFFFFFFFF) shows as 255, a crash as the exception code's low byte (0xC0000005
# as 5), and a non-zero code whose low byte is 0 (256, 512...) as 1, never as success.
# QUORVANE_WINE_LANG picks the locale (default zh_CN.UTF-8, code page 936).
# Without $DISPLAY, it starts its own Xvfb and stops it when Wine is done with it.
set -euo pipefail

prepare=0
if [[ ${1:-} == --prepare ]]; then prepare=1; shift; fi
[[ $# -ge 1 ]] || { echo "usage: $0 [--prepare] program.exe [args...]" >&2; exit 2; }
exe=$1; shift

# The machine field of the PE header picks the Wine: 8664 is x86-64, 014c is i386.
pe_offset=$(od -An -tu4 -j60 -N4 "$exe" | tr -d ' ')
case $(od -An -tx1 -j"$pe_offset" -N6 "$exe" | tr -d ' \n') in
  504500006486) arch=win64 loader=/usr/lib/wine/wine64 ;;
  504500004c01) arch=win32 loader=/usr/lib/wine/wine ;;
  *) echo "wine-run: $exe is not an x86 or x86-64 PE file" >&2; exit 2 ;;
esac

# Both prefixes are 64-bit (WoW64), served by the native wineserver64: a 32-bit exe runs as on
# 64-bit Windows, and only 32-bit processes go through qemu-i386. qemu's default 4 GiB guest
# space makes Wine's address-space reservation take about a minute; ending it at 0x7fff0000,
# just above the shared user data page, brings the start down to a few seconds.
export QEMU_RESERVED_VA=0x7fff0000
export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64
export WINEPREFIX=${QUORVANE_WINE_CACHE:-${XDG_CACHE_HOME:-~/.cache}/quorvane}/wine-$arch
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winemenubuilder.exe=d"
# The prefix is made, and the server started, in a fixed locale; only the exe gets the chosen one.
export LANG=C.UTF-8 LC_ALL=C.UTF-8
unset LANGUAGE
lang=${QUORVANE_WINE_LANG:-zh_CN.UTF-8}

source "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"
cleanup() {
  [[ -n $xvfb_pid ]] || return 0
  # Wine's desktop lives as long as the server: let it go before the display does.
  "$WINESERVER" -w || true
  stop_xvfb || true
}
trap cleanup EXIT
trap 'exit 130' INT TERM
if [[ -z ${DISPLAY:-} ]]; then start_xvfb; fi

# Make the prefix once, under a lock so that parallel tests wait for the first one.
# It is remade when Wine's version changes, rather than let Wine update it mid-test.
mkdir -p "${WINEPREFIX%/*}"
exec 9>"$WINEPREFIX.lock"
flock 9
# The stamp also names the generation of the settings below, so a change to them remakes it.
version="$(/usr/lib/wine/wine64 --version) settings-2"
if [[ $(cat "$WINEPREFIX/.quorvane-ready" 2>/dev/null) != "$version" ]]; then
  echo "wine-run: creating $WINEPREFIX" >&2
  rm -rf "$WINEPREFIX"
  # No Mono or Gecko installer prompts: nobody is there to answer them.
  WINEDLLOVERRIDES="$WINEDLLOVERRIDES;mscoree,mshtml=d" /usr/lib/wine/wine64 wineboot -i \
    </dev/null >/dev/null 2>&1 9>&-
  # Wine's own fonts (Tahoma, Marlett for the caption buttons) are not found where Debian puts them.
  ln -sf /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  # A crash ends the exe, never with a dialog waiting for a click: 64-bit exes get winedbg's
  # backtrace on stderr; 32-bit ones none, as winedbg itself crashes under qemu. Wine draws
  # window frames itself and waits for no window manager (Xvfb has none), and the usual CJK font names resolve
  # to WenQuanYi, which also fills in CJK text in Tahoma through the font links.
  cat >"$WINEPREFIX/drive_c/quorvane.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_LOCAL_MACHINE\Software\Wow6432Node\Microsoft\Windows NT\CurrentVersion\AeDebug]
"Debugger"=""

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Decorated"="N"
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"SimSun"="WenQuanYi Micro Hei"
"NSimSun"="WenQuanYi Micro Hei"
"Microsoft YaHei"="WenQuanYi Micro Hei"
"Microsoft YaHei UI"="WenQuanYi Micro Hei"
REG
  /usr/lib/wine/wine64 regedit /S 'C:\quorvane.reg' </dev/null >/dev/null 2>&1 9>&-
  # A font record with no face name maps to Liberation Sans here; on Windows the mapper's
  # choice links to a CJK font, so do the same for it.
  for face in "Liberation Sans" "Liberation Sans Bold"; do
    /usr/lib/wine/wine64 reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
      /v "$face" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f </dev/null >/dev/null 2>&1 9>&-
  done
  rm "$WINEPREFIX/drive_c/quorvane.reg"
  "$WINESERVER" -w 9>&-
  echo "$version" >"$WINEPREFIX/.quorvane-ready"
fi
# The server's session processes (services, the desktop) outlive the exe and keep the output
# handles of the process that started them: were those a test's pipes, ctest would wait for the
# server to go idle. So start them here, on /dev/null, and keep the server up 5 s after its
# last client, which also spares the next test a cold start.
"$WINESERVER" -p5 </dev/null >/dev/null 2>&1 9>&- || true
/usr/lib/wine/wine64 rundll32.exe user32.dll,GetDesktopWindow </dev/null >/dev/null 2>&1 9>&-
flock -u 9
exec 9>&-
if ((prepare)); then exit 0; fi

rc=0
LANG=$lang LC_ALL=$lang "$loader" "$exe" "$@" || rc=$?
exit "$rc"
