#!/usr/bin/env bash
# Ctrl+L with the unsaved-list name 新規.pvl asks for a name; the same name in
# other letter case, or a full path ending in it, is an ordinary name and is
# saved at once. Save list as over an existing file replaces it without a
# question; cancelled, it leaves the list's name and the caption.
source "$(dirname "$0")/../lib.sh"

mkdir -p "$DATA_DIR"
write_sjis "$INI" '[MySystem]\r\nListName=新規.pvl\r\n'
mkdir -p "$WORK/elsewhere"
start
drive keys ctrl+l
drive dialog-enter "$(winpath "$WORK/elsewhere")"
drive dialog-cancel
check "cancelled save as writes nothing" "" "$(LC_ALL=C ls -R "$WORK" | grep -i pvl || true)"
drive close
[ -f "$WORK/新規.pvl" ] || fail "at exit the list is saved under the relative name in the current folder"

write_sjis "$INI" '[MySystem]\r\nListName=新規.PVL\r\n'
rm "$WORK/新規.pvl"
start
drive keys ctrl+l
drive no-dialog 1500
check "other letter case saves directly" "新規.PVL" "$(LC_ALL=C ls "$WORK" | grep -i pvl)"
drive close
drive gone

mkdir -p "$WORK/full"
full=$(winpath "$WORK/full/新規.pvl")
printf 'C:\\a.jpg\r\n' > "$WORK/full/新規.pvl"
write_sjis "$INI" '[MySystem]\r\nListName=%s\r\n' "$full"
start
drive keys ctrl+c
drive keys ctrl+l
drive no-dialog 1500
check "a full path ending in 新規.pvl saves directly" "0" "$(LC_ALL=C stat -c %s "$WORK/full/新規.pvl")"
caption=$(drive caption)
drive keys ctrl+alt+l
drive dialog-cancel
check "cancelled save as keeps the caption" "$caption" "$(drive caption)"
drive keys ctrl+o
drive dialog-accept "$(winpath "$SAMPLES/small.jpg")"
drive keys ctrl+l
drive no-dialog 1500
check "and the list's name: Ctrl+L saves there" "$(winpath "$SAMPLES/small.jpg")" \
  "$(iconv -f CP932 -t UTF-8 "$WORK/full/新規.pvl" | tr -d '\r')"
echo "an older list" > "$WORK/full/other.pvl"
drive keys ctrl+alt+l
drive dialog-accept "$(winpath "$WORK/full/other.pvl")"
check "save as replaces an existing file without a question" "$(winpath "$SAMPLES/small.jpg")" \
  "$(iconv -f CP932 -t UTF-8 "$WORK/full/other.pvl" | tr -d '\r')"
check "and names the list" "$(winpath "$WORK/full/other.pvl")" "$(drive close && setting ListName)"
drive gone
