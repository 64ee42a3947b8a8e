#!/usr/bin/env bash
# A save that cannot complete (another program holds the list file open with
# no sharing) shows the error and leaves the old list byte for byte.
source "$(dirname "$0")/../lib.sh"

list=$WORK/大事な一覧.pvl
write_sjis "$list" 'C:\\one.jpg\r\nC:\\two.jpg\r\n'
cp "$list" "$WORK/before"
mkdir -p "$DATA_DIR"
# Nothing selected: no picture to show, so the caption is the count.
write_sjis "$INI" '[MySystem]\r\nListName=%s\r\nItemIndex=-1\r\n' "$(winpath "$list")"

start
check "list loaded" "2" "$(drive caption)"
lock_log=$WORK/lock.log
# Held until the release file appears.
wine "$DRIVER" lock "$(winpath "$list")" "$(winpath "$WORK/release")" > "$lock_log" 2>&1 &
wait_until "the list file locked" grep -qs locked "$lock_log"

drive keys ctrl+l
check "the general error box" "Tirvane
ファイル $(winpath "$list") を作成できません." "$(drive message-box)"
check_same_bytes "the old list is intact" "$WORK/before" "$list"
check "no temporary file left" "" "$(LC_ALL=C ls -A "$WORK" | grep '^~tv' || true)"
touch "$WORK/release"
wait
drive close
