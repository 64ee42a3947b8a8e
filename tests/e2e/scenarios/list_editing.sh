#!/usr/bin/env bash
# Open adds a new picture without selecting it and finds one already listed
# in any letter case; the mouse steps through the list; Ctrl+Up and Ctrl+Down
# move the selected entry and take every Ctrl key, and move nothing without a
# selection, when a left click selects and shows the first entry; Delete,
# down to the only entry, and Clear.
source "$(dirname "$0")/../lib.sh"

list=$WORK/three.pvl
printf 'C:\\p0.jpg\r\nC:\\p1.jpg\r\nC:\\p2.jpg\r\nC:\\p3.jpg\r\n' > "$list"
for name in p0 p1 p2 p3 new; do put_picture "C:\\$name.jpg" small.jpg; done
mkdir -p "$DATA_DIR"
write_sjis "$INI" '[MySystem]\r\nListName=%s\r\nItemIndex=-1\r\n' "$(winpath "$list")"
shown() { drive caption | sed 's/ (200x123).*(/ (/'; }
entries() { drive entries | tr '\n' ' '; }

start
drive keys ctrl+up
drive keys ctrl+down
check "Ctrl+Up and Ctrl+Down with no selection move nothing" 'C:\p0.jpg C:\p1.jpg C:\p2.jpg C:\p3.jpg | -1' \
  "$(entries)| $(drive selected)"
drive click 400 100 right
check "a right click with no selection changes nothing" "-1 hidden" "$(drive selected) $(drive view | cut -d' ' -f1)"
drive click 400 100
check "a left click with no selection selects and shows the first entry" '0 [three]C:\p0.jpg (1/4)' \
  "$(drive selected) $(shown)"
drive close
drive gone
write_sjis "$INI" '[MySystem]\r\nListName=%s\r\nItemIndex=-1\r\n' "$(winpath "$list")"

start
drive keys ctrl+o
drive dialog-accept 'C:\new.jpg'
check "a new picture is appended" 'C:\p0.jpg C:\p1.jpg C:\p2.jpg C:\p3.jpg C:\new.jpg ' "$(entries)"
check "and not selected" "-1" "$(drive selected)"
check "nothing is shown" "hidden" "$(drive view | cut -d' ' -f1)"
drive keys ctrl+o
drive dialog-accept 'c:\P2.JPG'
check "a listed picture in other case is found, not added" "5 2" "$(drive entries | wc -l) $(drive selected)"
check "and shown" '[three]C:\p2.jpg (3/5)' "$(shown)"

drive keys del
check "deleting in the middle selects the entry that followed" 'C:\p0.jpg C:\p1.jpg C:\p3.jpg C:\new.jpg | 2' \
  "$(entries)| $(drive selected)"
drive keys end
drive keys del
check "deleting the last selects the new last" 'C:\p0.jpg C:\p1.jpg C:\p3.jpg | 2' "$(entries)| $(drive selected)"

# Mouse releases right of the list step through it.
drive click 400 100 right
drive click 400 100 right
drive click 400 100 right
check "the right button stops at the first entry" '0 [three]C:\p0.jpg (1/3)' "$(drive selected) $(shown)"
drive click 400 100
drive click 400 100 middle
check "the left button steps on; the middle one redisplays" '1 [three]C:\p1.jpg (2/3)' "$(drive selected) $(shown)"
drive click 400 100
drive click 400 100
check "the left button stops at the last entry" '2 [three]C:\p3.jpg (3/3)' "$(drive selected) $(shown)"

drive keys ctrl+down
check "Ctrl+Down on the last entry moves nothing" 'C:\p0.jpg C:\p1.jpg C:\p3.jpg | 2' "$(entries)| $(drive selected)"
drive keys ctrl+up
drive keys ctrl+up
check "Ctrl+Up moves the entry, which stays selected" 'C:\p3.jpg C:\p0.jpg C:\p1.jpg | 0' "$(entries)| $(drive selected)"
check "the view is not redisplayed" '[three]C:\p3.jpg (3/3)' "$(shown)"
drive keys ctrl+up
drive keys ctrl+end
check "Ctrl+Up on the first entry and Ctrl+End are taken" 'C:\p3.jpg C:\p0.jpg C:\p1.jpg | 0' \
  "$(entries)| $(drive selected)"
drive keys shift+ctrl+down
check "Ctrl+Shift+Down is the list's own, shown as the user's selection" '1 [three]C:\p0.jpg (2/3)' \
  "$(drive selected) $(shown)"
drive keys alt+up
check "Alt+Up is not taken as a move" 'C:\p3.jpg C:\p0.jpg C:\p1.jpg | 1' "$(entries)| $(drive selected)"

drive keys ctrl+c
check "clearing empties the list" "" "$(drive entries)"
check "and hides the view" "hidden" "$(drive view | cut -d' ' -f1)"
drive keys del
check "Delete on an empty list removes nothing" "-1" "$(drive selected)"
drive click 400 100 right
drive click 400 100
check "the left button with no selection selects nothing in an empty list" "-1" "$(drive selected)"
drive keys ctrl+o
drive dialog-accept 'C:\new.jpg'
drive click 400 100
drive keys del
check "deleting the only entry leaves an empty list, nothing selected, the view hidden" "0 -1 hidden" \
  "$(drive entries | wc -l) $(drive selected) $(drive view | cut -d' ' -f1)"
drive close
drive gone
check "the cleared list is saved as an empty file" "0" "$(LC_ALL=C stat -c %s "$list")"
