#!/usr/bin/env bash
# An entry whose drive is away (a letter no drive has, a drive whose medium
# is gone) is not gone: it stays listed and selected, the view collapses
# with the picture commands greyed, no beep sounds, and the list file is
# written back byte for byte. An entry whose drive is there and whose file
# is gone is still dropped, with one beep. The random wallpaper that picks
# such an entry, and the wallpaper route with one, fail and keep the list
# whole.
source "$(dirname "$0")/../lib.sh"

# X: is no drive; Y: is a drive whose medium (its folder) is not there.
rm -f "$WINEPREFIX/dosdevices/x:"
ln -sfn "$WORK/card" "$WINEPREFIX/dosdevices/y:"
trap 'status=$?; rm -f "$WINEPREFIX/dosdevices/y:"; (exit $status); on_exit' EXIT
put_picture 'C:\pics\here.jpg'
mkdir -p "$DATA_DIR"
trace_calls user32.MessageBeep

# with_list INDEX ENTRY...: the last list holds these entries, INDEX selected.
with_list() {
  local index=$1
  shift
  printf '%s\r\n' "$@" > "$WORK/list.pvl"
  cp "$WORK/list.pvl" "$WORK/list.before"
  write_sjis "$INI" '[MySystem]\r\nListName=%s\r\nItemIndex=%s\r\n' "$(winpath "$WORK/list.pvl")" "$index"
}
view_width() { drive view | cut -d' ' -f4; }
picture_commands() { drive menu | grep -E '^  (保存|壁紙に指定|ショートカットを作成)\(' | cut -d'|' -f3 | tr '\n' ' '; }

with_list 4 'C:\pics\here.jpg' 'X:\card\a.jpg' 'Y:\DCIM\b.jpg' 'Y:\DCIM\c.jpg' 'X:\card\d.jpg'
start
check "the entry on the missing drive stays selected" "5 | 4" "$(drive entries | wc -l) | $(drive selected)"
check "the view collapses" "0" "$(view_width)"
check "with the picture commands greyed" "disabled disabled disabled " "$(picture_commands)"
for index in 3 2 1; do
  drive keys up
  check "entry $index stays and collapses the view" "5 | $index | 0" \
    "$(drive entries | wc -l) | $(drive selected) | $(view_width)"
done
drive keys up
check "the picture on the hard disk is shown" "(800x600)" "$(drive caption | grep -o '(800x600)')"
check "and the picture commands are back" "enabled enabled enabled " "$(picture_commands)"
drive keys end
check "the last entry is still there to select" "4 | 0" "$(drive selected) | $(view_width)"
drive close
drive gone
check_same_bytes "the list file is written back as it was" "$WORK/list.before" "$WORK/list.pvl"
check "no entry was dropped with a beep" "0" "$(beeps)"
check "the last entry stays the selected one" "4" "$(setting ItemIndex)"

# A file gone from a drive that is there is dropped, once, with one beep.
with_list 2 'C:\pics\here.jpg' 'C:\pics\gone.jpg' 'Y:\DCIM\b.jpg'
start
check "the entry on the missing drive stays" "3 | 2" "$(drive entries | wc -l) | $(drive selected)"
drive keys up
check "the gone file is dropped and the one above shown" "C:\pics\here.jpg
Y:\DCIM\b.jpg | 0 | (1/2)" "$(drive entries) | $(drive selected) | $(drive caption | grep -o '([0-9]*/[0-9]*)$')"
check "with one beep" "1" "$(beeps)"
drive close
drive gone
check "the list keeps the entry on the missing drive" 'C:\pics\here.jpg
Y:\DCIM\b.jpg' "$(tr -d '\r' < "$WORK/list.pvl")"

# The random wallpaper from a list whose entries are all away: nothing is
# set, and the list stays whole.
with_list 1 'X:\card\a.jpg' 'Y:\DCIM\b.jpg'
(cd "$WORK" && drive run-exact "\"$(winpath "$EXE")\" -r")
[ ! -e "$DATA_DIR/壁紙.bmp" ] || fail "a wallpaper was made from a drive that is away"
check_same_bytes "the list file stays whole" "$WORK/list.before" "$WORK/list.pvl"
# So does the wallpaper route with a picture on such a drive, and the last
# list's settings stay as they were.
cp "$INI" "$WORK/settings.before"
(cd "$WORK" && drive run-exact "\"$(winpath "$EXE")\" Y:\\DCIM\\b.jpg")
[ ! -e "$DATA_DIR/壁紙.bmp" ] || fail "a wallpaper was made from a drive that is away"
check_same_bytes "the last list stays whole" "$WORK/list.before" "$WORK/list.pvl"
check "and stays the last list" "$(winpath "$WORK/list.pvl")" "$(setting ListName)"
check "with its index" "$(grep -a ItemIndex "$WORK/settings.before" | tr -d '\r')" "$(settings | grep ItemIndex)"
