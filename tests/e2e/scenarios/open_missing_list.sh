#!/usr/bin/env bash
# Open list with a name that does not exist: an empty list, the bracketed base
# name (only the last dot's part dropped), and the file made at exit.
source "$(dirname "$0")/../lib.sh"

list=$WORK/旅行.2024.pvl
write_sjis "$WORK/first.pvl" 'C:\\a.jpg\r\n'
mkdir -p "$DATA_DIR"
write_sjis "$INI" '[MySystem]\r\nListName=%s\r\n' "$(winpath "$WORK/first.pvl")"
put_picture 'C:\a.jpg'

start
check "the last list is loaded" "C:\\a.jpg" "$(drive entries)"
drive keys ctrl+alt+o
drive dialog-accept "$(winpath "$list")"
check "a missing list opens empty" "" "$(drive entries)"
check "caption without the last extension" "[旅行.2024]" "$(drive caption)"
drive close
check "ListName is the new name" "$(winpath "$list")" "$(setting ListName)"
[ -f "$list" ] || fail "the missing list was not created at exit"
check "the new list is empty" "0" "$(LC_ALL=C stat -c %s "$list")"
