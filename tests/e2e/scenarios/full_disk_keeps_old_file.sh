#!/usr/bin/env bash
# Saving over a list file on a medium that fills up part-way through the
# write: the error is shown and the old file is still whole.
source "$(dirname "$0")/../lib.sh"

disk=$WORK/disk
mkdir -p "$disk"
if ! mount -t tmpfs -o size=64k tmpfs "$disk" 2>/dev/null; then
  echo "skipped: cannot mount a small file system here"
  exit 77
fi
trap 'status=$?; [ $status -ne 0 ] && stop_wine; umount "$disk" 2>/dev/null; exit $status' EXIT

old=$disk/old.pvl
for i in $(seq 200); do printf 'C:\\old\\picture%04d.jpg\r\n' "$i"; done > "$old"
cp "$old" "$WORK/before"
head -c 40000 /dev/zero > "$disk/filler" 2>/dev/null || true
big=$WORK/big.pvl
for i in $(seq 2000); do printf 'C:\\new\\a-much-longer-picture-name-%05d.jpg\r\n' "$i"; done > "$big"

start
drive keys ctrl+alt+o
drive dialog-accept "$(winpath "$big")"
check "big list loaded, its missing first picture dropped" "1999" "$(drive caption)"
drive keys ctrl+alt+l
drive dialog-accept "$(winpath "$old")"
check "the general error box" "Tirvane
ストリームへの書き込みエラー." "$(drive message-box)"
check_same_bytes "the old list is intact" "$WORK/before" "$old"
check "no temporary file left" "" "$(LC_ALL=C ls -A "$disk" | grep '^~tv' || true)"
drive close
check_same_bytes "the failed save at exit leaves it intact too" "$WORK/before" "$old"
