#!/usr/bin/env bash
# Files dragged from the shell onto the window, each gathered as its command
# gathers it: a picture is appended, or found in any letter case, and shown;
# a folder appends what Open Folder appends and becomes the folder kept at
# exit; an archive gives its picture members; a list file replaces the list
# and the other items of its drop gather after it. Any other file adds
# nothing and beeps once for the drop; a path no entry can name (one the
# code page cannot spell, of a file that is not there) is refused with a
# beep of its own. A drop that adds and finds nothing
# changes nothing, and one while a dialog is open is refused.
source "$(dirname "$0")/../lib.sh"

pics=$WORK/pics
mkdir -p "$pics/sub" "$WORK/packed"
cp "$SAMPLES/sunset.jpg" "$pics/a.jpg"
cp "$SAMPLES/desert.bmp" "$pics/b.bmp"
cp "$SAMPLES/small.jpg" "$pics/sub/c.JPG"
cp "$SAMPLES/small.jpg" "$pics/d.jpeg"  # taken when dropped; a scan passes it by
echo text > "$pics/notes.txt"
echo text > "$pics/clip.zip"
cp "$SAMPLES/small.jpg" "$WORK/packed/m1.jpg"
echo text > "$WORK/packed/readme.txt"
bash "$TIRVANE_SOURCE/tests/archives/make_archive.sh" "$pics/box.lzh" 2 "$WORK/packed" m1.jpg readme.txt
cp "$SAMPLES/small.jpg" "$WORK/한글.jpg"
P=$(winpath "$pics")
mkdir -p "$DATA_DIR"
trace_calls user32.MessageBeep

# The caption without the scale: "[list]entry (WxH) (i/n)".
shown() { drive caption | sed 's/)x[0-9.E-]*(/) (/'; }
# dropped WHAT BEEPS PATH...: drops the paths and checks the beeps it gave.
dropped() {
  local what=$1 expected=$2
  shift 2
  calls_from_now
  drive drop "$@"
  check "$what: beeps" "$expected" "$(beeps)"
}
# dropped_and_shown WHAT BEEPS CAPTION PATH...: the same for a drop that
# scans a folder or lists an archive. The driver returns once the program
# handles messages again, which the scan does while it runs, so the drop's
# end (its picture shown, CAPTION) is waited for before the beeps count.
dropped_and_shown() {
  local what=$1 expected=$2 caption=$3
  shift 3
  calls_from_now
  drive drop "$@"
  check_eventually "$what: its first picture shown" "$caption" shown
  check "$what: beeps" "$expected" "$(beeps)"
}

start
dropped "a picture" 0 "$P\\a.jpg"
check "is appended" "$P\\a.jpg" "$(drive entries)"
check "and shown" "[新規]$P\\a.jpg (800x600) (1/1)" "$(shown)"

dropped "two pictures, one listed" 0 "$P\\b.bmp" "$P\\A.JPG"
check "the new one is appended" "$P\\a.jpg
$P\\b.bmp" "$(drive entries)"
check "the first dropped is shown" "[新規]$P\\b.bmp (640x480) (2/2)" "$(shown)"
dropped "a listed picture in other letter case" 0 "$P\\A.JPG"
check "is found, not added" "2" "$(drive entries | wc -l)"
check "and shown" "0" "$(drive selected)"

caption=$(drive caption)
dropped "a text and a zip" 1 "$P\\notes.txt" "$P\\clip.zip"
check "add nothing" "2" "$(drive entries | wc -l)"
check "and change neither selection" "0" "$(drive selected)"
check "nor caption" "$caption" "$(drive caption)"

dropped "a path no entry can name" 1 "$(winpath "$WORK/gone 한글.jpg")" "$(winpath "$WORK/한글.jpg")" "$P\\d.jpeg"
check "is refused, the rest taken, a name the code page cannot spell by its short name" "$P\\a.jpg
$P\\b.bmp
$(winpath "$WORK")\\SHORT
$P\\d.jpeg" "$(drive entries | sed 's/\\[^\\]*~[^\\]*\.JPG$/\\SHORT/')"
check "and the first taken shown" "(200x123) (3/4)" "$(shown | grep -o '(200x123) ([0-9/]*)$')"

# A folder appends exactly what Open Folder appends, and shows the first
# entry it added.
drive keys ctrl+c
drive keys ctrl+d
drive folder-accept "$P"
wait_until "Open Folder's scan" test "$(drive selected)" = 0
opened=$(drive entries)
drive keys ctrl+c
dropped_and_shown "the folder" 0 "[新規]$P\\sub\\c.JPG (200x123) (1/$(($(wc -l <<<"$opened") + 1)))" "$P\\sub" "$P"
check "appends what Open Folder appends" "$P\\sub\\c.JPG
$opened" "$(drive entries)"

count=$(drive entries | wc -l)
dropped_and_shown "an archive" 0 "[新規]$P\\box.lzh\\m1.jpg (200x123) ($((count + 1))/$((count + 1)))" "$P\\box.lzh"
check "appends its pictures" "$P\\box.lzh\\m1.jpg" "$(drive entries | tail -n +$((count + 1)))"

# A list file replaces the list as Open list does; the other items of its
# drop are gathered into the list it opened.
printf '%s\r\n' "$P\\b.bmp" "$P\\a.jpg" | iconv -f UTF-8 -t CP932 > "$WORK/旅行.pvl"
dropped "a list file" 0 "$(winpath "$WORK/旅行.pvl")"
check "replaces the list" "$P\\b.bmp
$P\\a.jpg" "$(drive entries)"
check "and shows its first entry" "[旅行]$P\\b.bmp (640x480) (1/2)" "$(shown)"
printf '%s\r\n' "$P\\a.jpg" | iconv -f UTF-8 -t CP932 > "$WORK/mixed.pvl"
dropped_and_shown "a picture, a list, a second list and a folder" 1 "[mixed]$P\\d.jpeg (200x123) (2/3)" \
  "$P\\d.jpeg" "$(winpath "$WORK/mixed.pvl")" "$(winpath "$WORK/旅行.pvl")" "$P\\sub"
check "open the first list and gather the rest into it" "$P\\a.jpg
$P\\d.jpeg
$P\\sub\\c.JPG" "$(drive entries)"

drive keys ctrl+o
dropped "a drop while a dialog is open" 0 "$P\\b.bmp"
drive dialog-cancel
check "is refused" "3" "$(drive entries | wc -l)"

drive close
drive gone
check "the last folder dropped is kept" "$P\\sub" "$(setting Dir)"
check "the list opened by the drop is the current list" "$(winpath "$WORK/mixed.pvl")" "$(setting ListName)"
check "and holds what the drops gathered" "$P\\a.jpg
$P\\d.jpeg
$P\\sub\\c.JPG" "$(tr -d '\r' < "$WORK/mixed.pvl")"
