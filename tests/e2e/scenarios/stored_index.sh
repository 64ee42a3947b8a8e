#!/usr/bin/env bash
# A stored index beyond the list leaves the first entry selected; a stored -1
# leaves none selected.
source "$(dirname "$0")/../lib.sh"

list=$WORK/three.pvl
printf 'C:\\a.jpg\r\nC:\\b.jpg\r\nC:\\c.jpg\r\n' > "$list"
for name in a b c; do put_picture "C:\\$name.jpg"; done
mkdir -p "$DATA_DIR"
for case in "7 0" "-1 -1" "3 0" "0x2 2"; do
  set -- $case
  write_sjis "$INI" '[MySystem]\r\nListName=%s\r\nItemIndex=%s\r\n' "$(winpath "$list")" "$1"
  start
  check "stored index $1 selects $2" "$2" "$(drive selected)"
  drive close
  check "the selection is stored back as $2" "$2" "$(setting ItemIndex)"
done
