#!/usr/bin/env bash
# Stored values read through the real profile functions: hexadecimal, blanks,
# out of range, suffixes, empty and non-zero booleans; other sections kept.
source "$(dirname "$0")/../lib.sh"

mkdir -p "$DATA_DIR"
# Longer than the profile call's first buffer: it must come back whole.
long_dir="C:\\表\\$(head -c 3000 /dev/zero | tr '\0' x)"
list=$WORK/旅行.pvl
printf 'C:\\a.jpg\r\nC:\\b.jpg\nC:\\c.jpg\rC:\\d.jpg' > "$list"
write_sjis "$INI" '[MySystem]\r\ntop=0x20\r\nleft=  50\r\nHeight=99999999999\r\nWidth=600px\r\nDir=%s\r\nListName=%s\r\nItemIndex=2\r\nAutoSiz=\r\nTile=2\r\nLocation=-1\r\n[Other]\r\nkeep=this\r\n' "$long_dir" "$(winpath "$list")"
put_picture 'C:\c.jpg'

start
check "top 0x20, left with blanks, height and width in no valid form" "50 32 600 400" "$(drive bounds)"
check "the last list is loaded" "C:\\a.jpg
C:\\b.jpg
C:\\c.jpg
C:\\d.jpg" "$(drive entries)"
check "the stored index is selected" "2" "$(drive selected)"
check "the stored entry is shown" "[旅行]C:\c.jpg (800x600)x" "$(drive caption | sed 's/x[0-9.]*(.*/x/')"

drive close
check "values written back in their own forms" "top=32
left=50
Height=400
Width=600
Dir=$long_dir
ListName=$(winpath "$list")
ItemIndex=2
AutoSiz=1
Tile=1
Location=1" "$(settings | grep -v -e '^\[' -e '^keep')"
check "other sections stay" "keep=this" "$(settings | grep '^keep')"
check "the list is saved with CR LF" "$(printf 'C:\\a.jpg\r\nC:\\b.jpg\r\nC:\\c.jpg\r\nC:\\d.jpg\r\n' | xxd)" "$(xxd "$list")"
