#!/usr/bin/env bash
# A "ListName" present with an empty value loads no list; at exit nothing can
# be saved under an empty name, so the temporary folder stays.
source "$(dirname "$0")/../lib.sh"

mkdir -p "$DATA_DIR" "$USER_DIR/Temp/Tirvane"
echo left > "$USER_DIR/Temp/Tirvane/extracted.jpg"
write_sjis "$INI" '[MySystem]\r\nListName=\r\nItemIndex=-1\r\n'

start
check "no list" "" "$(drive entries)"
check "no selection" "-1" "$(drive selected)"
drive close
check "the empty name is written back" "" "$(setting ListName)"
check "a failed list save leaves the temporary folder" "left" "$(cat "$USER_DIR/Temp/Tirvane/extracted.jpg")"
