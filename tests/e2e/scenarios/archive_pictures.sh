#!/usr/bin/env bash
# Open Archive lists an archive's .bmp and .jpg members in archive order, from
# subfolders too and with Shift-JIS names; a shown member's extracted copy is
# deleted after a good read and kept after a bad one, and extracted again by
# a resize or at the end of a splitter drag, but not during the drag or on
# coming back from another program. A second archive's
# pictures are appended and the first of the whole list shown (one of them
# named like a device in Latin code pages only); a file not ending in .lzh
# adds nothing. Without the archive
# library nothing is added, and one planted in the current folder is not used.
source "$(dirname "$0")/../lib.sh"

files=$WORK/files
mkdir -p "$files/photos/2001" "$files/my pics"
cp "$SAMPLES/sunset.jpg" "$files/photos/2001/Beach.JPG"
cp "$SAMPLES/small.jpg" "$files/表示.jpg"
cp "$SAMPLES/desert.bmp" "$files/my pics/Photo.Bmp"
cp "$SAMPLES/small.jpg" "$files/photo.jpeg"
echo "not a picture" > "$files/broken.jpg"
echo "text" > "$files/readme.txt"
archive="$WORK/my archives/旅行.lzh"
mkdir -p "$(dirname "$archive")"
bash "$TIRVANE_SOURCE/tests/archives/make_archive.sh" "$archive" 2 "$files" \
  photos/2001/Beach.JPG readme.txt 表示.jpg photo.jpeg "my pics/Photo.Bmp" broken.jpg
at=$(winpath "$archive")
temp=$USER_DIR/Temp/Tirvane

start
drive keys ctrl+z
drive dialog-accept "$at"
check "picture members in archive order" "$at\\photos/2001/Beach.JPG
$at\\表示.jpg
$at\\my pics/Photo.Bmp
$at\\broken.jpg" "$(drive entries)"
check "the first is selected" "0" "$(drive selected)"
check "and shown from the archive" "[新規]$at\\photos/2001/Beach.JPG (800x600)" "$(drive caption | sed 's/x[0-9.]*(.*//')"
[ ! -e "$temp/Beach.JPG" ] || fail "the extracted copy stays after a good read"

drive keys down
check "a Shift-JIS name with a 5C byte is extracted and shown" "[新規]$at\\表示.jpg (200x123)" \
  "$(drive caption | sed 's/x[0-9.]*(.*//')"
drive keys down
drive keys down
check "a member that cannot be read stays selected" "3" "$(drive selected)"
check "the view collapses" "0" "$(drive view | cut -d' ' -f4)"
check "its extracted copy is kept" "not a picture" "$(cat "$temp/broken.jpg")"

# Switching to another program and back shows nothing afresh; a resize
# shows the entry afresh, extracting the member again.
rm "$temp/broken.jpg"
drive away-and-back
[ ! -e "$temp/broken.jpg" ] || fail "coming back from another program showed the entry again"
drive maximize
check_eventually "a resize extracts the member again" "not a picture" cat "$temp/broken.jpg"
# So does the end of a splitter drag, and nothing in its middle.
rm "$temp/broken.jpg"
drive press 170 100 240 100
[ ! -e "$temp/broken.jpg" ] || fail "the splitter drag showed the entry again before its end"
check "the list keeps its width during the drag" "169" "$(drive list-width)"
drive release 240 100
check_eventually "the end of a splitter drag extracts it again" "not a picture" cat "$temp/broken.jpg"
check "and the list has its new width" "239" "$(drive list-width)"

second="$WORK/my archives/second.lzh"
cp "$SAMPLES/small.jpg" "$files/second.jpg"
# ｲ is the byte B2, the superscript 2 of Latin code pages: COM² would be a
# device there, COMｲ is a plain name here.
cp "$SAMPLES/small.jpg" "$files/COMｲ.jpg"
bash "$TIRVANE_SOURCE/tests/archives/make_archive.sh" "$second" 1 "$files" second.jpg COMｲ.jpg
drive keys ctrl+z
drive dialog-accept "$(winpath "$second")"
check "a second archive is appended" "6 | $(winpath "$second")\second.jpg" \
  "$(drive entries | wc -l) | $(drive entries | sed -n 5p)"
check "and the first of the whole list is shown" "0 | [新規]$at\photos/2001/Beach.JPG (800x600)" \
  "$(drive selected) | $(drive caption | sed 's/x[0-9.]*(.*//')"
cp "$second" "$WORK/my archives/second.lha"
drive keys down
drive keys ctrl+z
drive dialog-accept "$(winpath "$WORK/my archives/second.lha")"
check "a file not ending in .lzh adds nothing and shows nothing new" "6 | 1" "$(drive entries | wc -l) | $(drive selected)"
drive keys end
check "a member named COMｲ.jpg is extracted and shown" "[新規]$(winpath "$second")\COMｲ.jpg (200x123)" \
  "$(drive caption | sed 's/x[0-9.]*(.*//')"
drive close
drive gone

# The program alone, with no archive library beside it or on the system,
# and no list kept from the run before. A library of that name in the
# current folder is not taken: anyone could have left it there.
rm "$WORK/新規"
mkdir -p "$WORK/alone"
cp "$EXE" "$WORK/alone/"
cp "$TIRVANE_EXE_DIR/UNLHA32.dll" "$WORK/"
start "$WORK/alone/Tirvane.exe"
drive keys ctrl+z
drive dialog-accept "$at"
check "nothing is added" "" "$(drive entries)"
check "the caption is the count" "0" "$(drive caption)"
drive close
drive gone
