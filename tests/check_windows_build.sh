#!/usr/bin/env bash
# Both Windows programs exist, run as GUI programs, carry the version, and
# import only DLLs that every Windows system has; our archive library beside
# each exports exactly its five functions under their plain names. The tools'
# reports are read in the C locale: binutils translates them.
set -euo pipefail
allowed='^(kernel32|user32|gdi32|comdlg32|comctl32|shell32|ole32|oleaut32|advapi32|msvcrt|msimg32)\.dll$'
status=0
for arch in x86_64 i686; do
  exe=$1/$arch/Tirvane.exe
  [ -f "$exe" ] || { echo "FAIL: $exe was not built"; status=1; continue; }
  dump=$(LC_ALL=C "$arch-w64-mingw32-objdump" -p "$exe")
  grep -q 'Subsystem.*(Windows GUI)' <<<"$dump" || { echo "FAIL: $arch is not a GUI program"; status=1; }
  while read -r dll; do
    if ! grep -qiE "$allowed" <<<"$dll"; then
      echo "FAIL: $arch imports $dll"
      status=1
    fi
  done < <(sed -n 's/^\s*DLL Name: //p' <<<"$dump")
  LC_ALL=C strings -el "$exe" | grep -qx '1\.7\.0\.1' || { echo "FAIL: $arch has no version 1.7.0.1"; status=1; }
  dll=$1/$arch/UNLHA32.dll
  exports=$(LC_ALL=C "$arch-w64-mingw32-objdump" -p "$dll" | sed -n '/Ordinal\/Name Pointer/,/^$/s/^\s*\[ *[0-9]*\] //p' | tr '\n' ' ')
  expected='Unlha UnlhaCloseArchive UnlhaFindFirst UnlhaFindNext UnlhaOpenArchive '
  [ "$exports" = "$expected" ] || { echo "FAIL: $arch UNLHA32.dll exports: $exports"; status=1; }
  while read -r imported; do
    grep -qiE "$allowed" <<<"$imported" || { echo "FAIL: $arch UNLHA32.dll imports $imported"; status=1; }
  done < <(LC_ALL=C "$arch-w64-mingw32-objdump" -p "$dll" | sed -n 's/^\s*DLL Name: //p')
  echo "checked $arch"
done
exit $status
