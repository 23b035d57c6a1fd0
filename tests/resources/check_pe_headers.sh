#!/bin/sh
# Checks the PE headers of the built exe with the toolchain's objdump: the format and machine
# of its architecture, the GUI subsystem, and that it imports only DLLs Windows always takes
# from the system directory, so that no DLL of the same name placed beside the exe is loaded
# instead. comctl32 is allowed too: the manifest's dependency binds it to the side-by-side
# version 6.
#
#   check_pe_headers.sh OBJDUMP EXE x86|amd64
#
# Prints the imports, then one "FAIL: ..." line per fault; exits 1 on any fault.

if [ $# -ne 3 ]; then
  echo "usage: $0 OBJDUMP EXE x86|amd64" >&2
  exit 2
fi
objdump=$1
exe=$2
arch=$3

case $arch in
  x86)   want_format=pei-i386   want_machine=i386        want_magic=010b ;;
  amd64) want_format=pei-x86-64 want_machine=i386:x86-64 want_magic=020b ;;
  *) echo "FAIL: unknown architecture '$arch' (x86 or amd64)"; exit 2 ;;
esac

# KnownDLLs and the DLLs they load, all mapped from the system directory.
allowed="kernel32 user32 gdi32 msvcrt advapi32 shell32 ole32 oleaut32 comdlg32 imm32 shlwapi
ws2_32 rpcrt4 sechost setupapi psapi normaliz nsi wldap32 imagehlp difxapi shcore clbcatq
combase coml2 gdiplus msctf comctl32"

for option in -f -p; do
  if ! out=$("$objdump" $option "$exe" 2>&1); then
    echo "FAIL: $objdump $option cannot read $exe:"
    echo "$out"
    exit 1
  fi
done
file_header=$("$objdump" -f "$exe")
private_headers=$("$objdump" -p "$exe")

faults=0
fail() {
  echo "FAIL: $*"
  faults=$((faults + 1))
}

format=$(printf '%s\n' "$file_header" | sed -n 's/.*file format \([^ ]*\).*/\1/p' | head -n 1)
machine=$(printf '%s\n' "$file_header" | sed -n 's/^architecture: \([^,]*\),.*/\1/p' | head -n 1)
magic=$(printf '%s\n' "$private_headers" | awk '$1 == "Magic" { print $2; exit }')
subsystem=$(printf '%s\n' "$private_headers" | awk '$1 == "Subsystem" { print $2; exit }')
dlls=$(printf '%s\n' "$private_headers" | sed -n 's/^[[:space:]]*DLL Name: *\([^[:space:]]*\).*/\1/p')

echo "$exe: format $format, machine $machine, magic $magic, subsystem $subsystem"
echo "imports:"
for dll in $dlls; do echo "  $dll"; done

[ "$format" = "$want_format" ] || fail "file format '$format', expected '$want_format' for $arch"
[ "$machine" = "$want_machine" ] || fail "machine '$machine', expected '$want_machine' for $arch"
[ "$magic" = "$want_magic" ] || fail "optional header magic '$magic', expected '$want_magic' for $arch"
# 2 is IMAGE_SUBSYSTEM_WINDOWS_GUI; 3 would open a console window beside ours.
[ "$subsystem" = "00000002" ] || fail "subsystem '$subsystem', expected 00000002 (Windows GUI)"
[ -n "$dlls" ] || fail "no imported DLLs found in the objdump output"

for dll in $dlls; do
  base=$(printf '%s' "$dll" | tr '[:upper:]' '[:lower:]' | sed 's/\.dll$//')
  found=no
  for ok in $allowed; do
    if [ "$base" = "$ok" ]; then found=yes; break; fi
  done
  [ $found = yes ] || fail "imports $dll, which Windows may load from the exe's own folder"
done

if [ $faults -ne 0 ]; then
  echo "$faults fault(s) in $exe"
  exit 1
fi
echo "PE headers of $exe are as expected"
