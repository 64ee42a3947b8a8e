#!/usr/bin/env bash
# Entries that cannot be shown: a missing or unreadable file is dropped and
# the entry above it tried; a folder named like an archive collapses the
# view and stays; a JPEG that fails to decode is reported once and stays,
# and the wallpaper command then fails the same way without writing a thing.
source "$(dirname "$0")/../lib.sh"

pictures=$WORK/pictures
mkdir -p "$pictures/box.lzh"
for i in 1 2 3 4 6 7 8 9 10; do cp "$SAMPLES/small.jpg" "$pictures/p$i.jpg"; done
echo "not a picture" > "$pictures/p5.jpg"
python3 "$TIRVANE_SOURCE/tests/e2e/material/jpegs.py" undecodable "$SAMPLES/sunset.jpg" "$pictures/broken.jpg"
at() { winpath "$pictures/$1"; }

# show_list INDEX ENTRY...: starts with these entries and INDEX selected.
show_list() {
  local index=$1
  shift
  printf '%s\r\n' "$@" | iconv -f UTF-8 -t CP932 > "$WORK/list.pvl"
  write_sjis "$INI" '[MySystem]\r\nListName=%s\r\nItemIndex=%s\r\n' "$(winpath "$WORK/list.pvl")" "$index"
  start
}
mkdir -p "$DATA_DIR"

ten=()
for i in $(seq 10); do ten+=("$(at "p$i.jpg")"); done
show_list 4 "${ten[@]}"
check "the unreadable fifth entry is gone" "9" "$(drive entries | wc -l)"
check "the fourth is selected" "3" "$(drive selected)"
check "and shown" "(4/9)" "$(drive caption | grep -o '([0-9]*/[0-9]*)$')"
drive close

show_list 0 'C:\nowhere\missing.jpg' "$(at p1.jpg)"
check "the missing first entry is dropped" "$(at p1.jpg)" "$(drive entries)"
check "nothing is selected" "-1" "$(drive selected)"
check "the view is hidden" "hidden" "$(drive view | cut -d' ' -f1)"
check "the caption is the count" "1" "$(drive caption)"
drive close

show_list 1 "$(at p1.jpg)" "$(at box.lzh)\\a.jpg"
check "an archive member that yields no file stays" "2" "$(drive entries | wc -l)"
check "and stays selected" "1" "$(drive selected)"
check "the view collapses" "0" "$(drive view | cut -d' ' -f4)"
drive close

show_list 0 "$(at broken.jpg)"
check "the decode error is shown" "Tirvane
Bogus Huffman table definition." "$(drive message-box)"
drive no-dialog 1500
check "the entry stays" "$(at broken.jpg)" "$(drive entries)"
check "its size was read" "(800x600)" "$(drive caption | grep -o '(800x600)')"
wallpaper_value=$(drive desktop-value Wallpaper)
tile_value=$(drive desktop-value TileWallpaper)
drive keys ctrl+w
check "the wallpaper command reports the same error" "Tirvane
Bogus Huffman table definition." "$(drive message-box)"
[ ! -e "$DATA_DIR/壁紙.bmp" ] || fail "a bitmap was written for a picture that does not decode"
check "the wallpaper value stays" "$wallpaper_value" "$(drive desktop-value Wallpaper)"
check "the tile value stays" "$tile_value" "$(drive desktop-value TileWallpaper)"
drive close
