#!/usr/bin/env bash
# Installs what the builds and tests need on Debian bookworm; run as root. Quick when all is there.
set -euo pipefail

pkgs=(cmake ninja-build g++ clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev
  g++-mingw-w64-x86-64 g++-mingw-w64-i686 binutils-mingw-w64 mingw-w64-tools
  wine64 wine32:i386 fonts-wine qemu-user-static
  xvfb xauth x11-utils xdotool imagemagick fonts-wqy-microhei locales hyperfine file)

# 32-bit Wine comes from the i386 architecture.
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386

installed=" $(dpkg-query -W -f='${db:Status-Abbrev}${Package} ' "${pkgs[@]}" 2>/dev/null || true) "
missing=()
for p in "${pkgs[@]}"; do [[ $installed == *" ii ${p%:*} "* ]] || missing+=("$p"); done
if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  # libFuzzer is a separate package from clang on Debian: make sure it links.
  echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' |
    clang++ -x c++ -fsanitize=fuzzer - -o /tmp/quorvane-fuzz-check ||
    { echo "setup: clang++ -fsanitize=fuzzer does not link" >&2; exit 1; }
  rm -f /tmp/quorvane-fuzz-check
fi

# Wine's code page follows the locale: zh_CN.UTF-8 gives 936, en_US.UTF-8 gives 1252.
# de_DE.UTF-8, with its decimal comma, shows that number reading ignores the locale.
regen=0
for l in zh_CN en_US de_DE; do
  locale -a | grep -qx "$l.utf8" && continue
  sed -i "s/^# *\($l.UTF-8 UTF-8\)/\1/" /etc/locale.gen
  grep -qx "$l.UTF-8 UTF-8" /etc/locale.gen || echo "$l.UTF-8 UTF-8" >>/etc/locale.gen
  regen=1
done
if ((regen)); then locale-gen >/dev/null; fi

# This kernel cannot run i386 programs itself: 32-bit Wine goes through qemu-i386. The F flag
# makes the kernel open the interpreter now, so it also works inside chroots and namespaces.
bf=/proc/sys/fs/binfmt_misc
[[ -e $bf/register ]] || mount -t binfmt_misc binfmt_misc "$bf"
if [[ -e $bf/qemu-i386 ]] && ! grep -q '^flags: .*F' "$bf/qemu-i386"; then echo -1 >"$bf/qemu-i386"; fi
if [[ ! -e $bf/qemu-i386 ]]; then
  printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' >"$bf/register"
fi

# Fail here, with a clear message, rather than in the middle of a test run.
/usr/lib/wine/wine --version >/dev/null || { echo "setup: 32-bit Wine does not start" >&2; exit 1; }
