#!/usr/bin/env bash
# What each start-up route leaves for the next start: after an archive the
# exit stores an empty list name, writes no list and keeps the temporary
# folder, and the next plain start opens no list; after a folder the list
# is saved as 新規.pvl in the current folder and comes back at the next start
# there. A folder named like an archive takes the archive route. A stored
# window position off the screen is applied as it is.
source "$(dirname "$0")/../lib.sh"

pictures=$WORK/pictures
mkdir -p "$pictures"
cp "$SAMPLES/small.jpg" "$pictures/a.jpg"
cp "$SAMPLES/desert.bmp" "$pictures/b.bmp"
bash "$TIRVANE_SOURCE/tests/archives/make_archive.sh" "$WORK/two.lzh" 2 "$pictures" a.jpg b.bmp
temp=$USER_DIR/Temp/Tirvane
rm -rf "$temp"
mkdir -p "$DATA_DIR"
printf 'C:\\\\old.jpg\r\n' > "$WORK/old.pvl"
write_sjis "$INI" '[MySystem]\r\nListName=%s\r\nItemIndex=0\r\n' "$(winpath "$WORK/old.pvl")"

start "$(winpath "$WORK/two.lzh")"
check "the archive's pictures" "2" "$(drive entries | wc -l)"
drive close
drive gone
check "an empty list name is stored" "" "$(setting ListName)"
[ -d "$temp" ] || fail "the temporary folder was removed after an archive start"
check "no list file is written" "old.pvl pictures two.lzh" "$(cd "$WORK" && LC_ALL=C ls | grep -v '\.log$' | xargs)"

start
check "the next plain start opens no list" "0 | 0" "$(drive entries | wc -l) | $(drive caption)"
drive close
drive gone

start "$(winpath "$pictures")"
check "the folder's pictures" "2" "$(drive entries | wc -l)"
drive close
drive gone
check "the list is saved in the current folder" "$(winpath "$pictures/a.jpg")
$(winpath "$pictures/b.bmp")" "$(iconv -f CP932 -t UTF-8 "$WORK/新規.pvl" | tr -d '\r')"
check "under its relative name" "新規.pvl" "$(setting ListName)"
start
check "and comes back at the next start there" "2 | 0" "$(drive entries | wc -l) | $(drive selected)"
drive close
drive gone

# A folder whose name ends in .lzh is handed to the archive library, which
# finds no archive there: an empty list, and no scan of the folder.
mkdir -p "$WORK/folder.lzh"
cp "$SAMPLES/small.jpg" "$WORK/folder.lzh/in.jpg"
start "$(winpath "$WORK/folder.lzh")"
check "a folder named like an archive takes the archive route" "0 | 0" "$(drive entries | wc -l) | $(drive caption)"
drive close
drive gone

write_sjis "$INI" '[MySystem]\r\nleft=-3000\r\ntop=-2000\r\nWidth=500\r\nHeight=300\r\n'
start
check "a position off the screen is applied as stored" "-3000 -2000 500 300" "$(drive bounds)"
drive close
drive gone
