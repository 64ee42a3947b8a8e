#!/usr/bin/env bash
# Ctrl+L with the unsaved-list name 新規.pvl asks for a name; the same name in
# other letter case is an ordinary name and is saved at once.
source "$(dirname "$0")/../lib.sh"

mkdir -p "$DATA_DIR"
write_sjis "$INI" '[MySystem]\r\nListName=新規.pvl\r\n'
mkdir -p "$WORK/elsewhere"
start
drive keys ctrl+l
drive dialog-enter "$(winpath "$WORK/elsewhere")"
drive dialog-cancel
check "cancelled save as writes nothing" "" "$(ls -R "$WORK" | grep -i pvl || true)"
drive close
[ -f "$WORK/新規.pvl" ] || fail "at exit the list is saved under the relative name in the current folder"

write_sjis "$INI" '[MySystem]\r\nListName=新規.PVL\r\n'
rm "$WORK/新規.pvl"
start
drive keys ctrl+l
drive no-dialog 1500
check "other letter case saves directly" "新規.PVL" "$(ls "$WORK" | grep -i pvl)"
drive close
