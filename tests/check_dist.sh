#!/usr/bin/env bash
# The release zips hold the program, our archive library and a Shift-JIS
# read-me with CRLF line ends, for both targets.
set -euo pipefail
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
bash "$(dirname "$0")/../scripts/dist.sh" "$out" >/dev/null
for target in x86_64 i686; do
  python3 - "$out/Tirvane-1.7.0.1-$target.zip" <<'PY'
import sys, zipfile
archive = zipfile.ZipFile(sys.argv[1])
names = sorted(archive.namelist())
assert names == ["Tirvane/Tirvane.exe", "Tirvane/UNLHA32.dll", "Tirvane/readme.txt"], names
readme = archive.read("Tirvane/readme.txt")
text = readme.decode("cp932")
assert "UNLHA32.dll" in text and "書庫ライブラリ" in text, "read-me without the archive library's note"
assert b"\r\n" in readme and b"\n" not in readme.replace(b"\r\n", b""), "read-me lines must end in CRLF"
assert archive.read("Tirvane/Tirvane.exe")[:2] == b"MZ"
PY
  echo "ok: $target"
done
