#!/usr/bin/env bash
# unit_archives.sh OUT: the archives the stand-in's unit tests and fuzzer
# read, in header levels 0, 1 and 2, with the files they were made from
# under OUT/files.
set -euo pipefail
out=$1
here=$(dirname "$0")
files=$out/files
rm -rf "$out"
mkdir -p "$files/photos/2001" "$files/my pics"
# Contents of their own, compressible and not, so both -lh5- and -lh0- occur.
seq 1 4000 > "$files/photos/2001/beach.jpg"
head -c 3000 /dev/zero | tr '\0' 'x' > "$files/表示.jpg"
printf 'BM%s' "$(seq 1 300 | tr -d '\n')" > "$files/my pics/Photo.Bmp"
printf 'a' > "$files/readme.txt"
: > "$files/empty.jpg"
members=(photos/2001/beach.jpg 表示.jpg "my pics/Photo.Bmp" readme.txt empty.jpg)
for level in 0 1 2; do
  bash "$here/make_archive.sh" "$out/level$level.lzh" "$level" "$files" "${members[@]}"
  # A second, independent reader must find them sound.
  lha -t "$out/level$level.lzh" >/dev/null
done
touch "$out/.made"
