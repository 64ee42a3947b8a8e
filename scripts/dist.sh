#!/usr/bin/env bash
# Packs a release for each target: build/dist/Tirvane-1.7.0.1-<target>.zip
# with Tirvane.exe and our UNLHA32.dll, both stripped, and the read-me in
# Shift-JIS with CRLF.
#   dist.sh [OUTPUT-FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/dist}
version=1.7.0.1
mkdir -p "$out"
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
for target in x86_64 i686; do
  zip="$out/Tirvane-$version-$target.zip"
  # What a user downloads carries no symbols.
  mkdir -p "$stage/$target"
  for name in Tirvane.exe UNLHA32.dll; do
    "$target-w64-mingw32-strip" -o "$stage/$target/$name" "build/$target/$name"
  done
  python3 - "$zip" "$stage/$target" dist/readme.txt <<'PY'
import sys, zipfile
zip_path, build, readme = sys.argv[1:]
text = open(readme, encoding="utf-8").read().replace("\n", "\r\n").encode("cp932")
with zipfile.ZipFile(zip_path, "w", zipfile.ZIP_DEFLATED) as archive:
    for name in ("Tirvane.exe", "UNLHA32.dll"):
        archive.write(f"{build}/{name}", f"Tirvane/{name}")
    archive.writestr("Tirvane/readme.txt", text)
PY
  echo "$zip"
done
