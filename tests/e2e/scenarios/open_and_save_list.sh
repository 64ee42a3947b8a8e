#!/usr/bin/env bash
# Open list through the real dialog, read the entries back, save it under a
# new name through the save dialog, then save again with Ctrl+L.
source "$(dirname "$0")/../lib.sh"

list=$WORK/一覧表.pvl
# 表 (95 5C) and ソ (83 5C) end in a backslash byte; mixed line ends, an
# empty line and a duplicate.
write_sjis "$list" 'C:\\表\\ソ.jpg\r\nD:\\写真\\a.JPG\nD:\\写真\\a.JPG\r\r\nE:\\書庫.lzh\\sub/表.bmp'
expected='C:\表\ソ.jpg
D:\写真\a.JPG
D:\写真\a.JPG

E:\書庫.lzh\sub/表.bmp'

put_picture 'C:\表\ソ.jpg'

start
drive keys ctrl+alt+o
drive dialog-accept "$(winpath "$list")"
check "entries as in the file" "$expected" "$(drive entries)"
check "first entry selected" "0" "$(drive selected)"
check "the first entry is shown" "[一覧表]C:\表\ソ.jpg (800x600)x" "$(drive caption | sed 's/x[0-9.]*(.*/x/')"

drive keys ctrl+alt+o
drive dialog-cancel
check "cancel changes nothing" "[一覧表]C:\表\ソ.jpg (800x600)x" "$(drive caption | sed 's/x[0-9.]*(.*/x/')"
check "cancel keeps the entries" "$expected" "$(drive entries)"

drive keys ctrl+alt+l
drive dialog-accept "$(winpath "$WORK")\\保存先"
saved=$WORK/保存先.pvl
expected_bytes=$WORK.expected
write_sjis "$expected_bytes" 'C:\\表\\ソ.jpg\r\nD:\\写真\\a.JPG\r\nD:\\写真\\a.JPG\r\n\r\nE:\\書庫.lzh\\sub/表.bmp\r\n'
[ -f "$saved" ] || fail "save as did not add the .pvl extension"
check_same_bytes "saved with CR LF after every entry" "$expected_bytes" "$saved"
check "caption names the new list" "[保存先]" "$(drive caption)"

rm "$saved"
drive keys ctrl+l
drive no-dialog 1000
[ -f "$saved" ] || fail "Ctrl+L did not save to the current list file"
check_same_bytes "Ctrl+L saves the same bytes" "$expected_bytes" "$saved"
drive close
check "no temporary file left" "" "$(LC_ALL=C ls -A "$WORK" | grep '^~tv' || true)"
