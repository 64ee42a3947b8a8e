#!/usr/bin/env bash
# What a user downloads: the release zip, unpacked into a fresh folder, runs
# on its own and lists an archive's pictures through the UNLHA32.dll beside
# it, also from a folder whose name the code page cannot spell (the program
# finds itself by the short name, not by a best-fit name of no folder); its
# program and library carry no symbols.
source "$(dirname "$0")/../lib.sh"

bash "$TIRVANE_SOURCE/scripts/dist.sh" "$WORK/dist" >/dev/null
zip=$WORK/dist/Tirvane-1.7.0.1-$TIRVANE_TARGET.zip
unpacked=$WORK/Zoëのダウンロード
python3 -c 'import sys, zipfile; zipfile.ZipFile(sys.argv[1]).extractall(sys.argv[2])' "$zip" "$unpacked"
for file in Tirvane.exe UNLHA32.dll; do
  symbols=$(LC_ALL=C "$TIRVANE_TARGET-w64-mingw32-nm" "$unpacked/Tirvane/$file" 2>&1 || true)
  check "$file is stripped" "no symbols" "$(grep -o 'no symbols' <<<"$symbols" || echo "$symbols" | head -n 1)"
done

mkdir -p "$WORK/files"
cp "$SAMPLES/sunset.jpg" "$WORK/files/夕日.jpg"
cp "$SAMPLES/desert.bmp" "$WORK/files/desert.bmp"
archive=$WORK/写真.lzh
bash "$TIRVANE_SOURCE/tests/archives/make_archive.sh" "$archive" 2 "$WORK/files" 夕日.jpg desert.bmp
at=$(winpath "$archive")
start "$unpacked/Tirvane/Tirvane.exe" "$at"
check "the archive's pictures are listed" "$at\\夕日.jpg
$at\\desert.bmp" "$(drive entries)"
check "and the first is shown" "[]$at\\夕日.jpg (800x600)" "$(drive caption | sed 's/x[0-9.]*(.*//')"
drive close
drive gone
