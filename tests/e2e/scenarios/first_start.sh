#!/usr/bin/env bash
# A first start without settings or arguments, closed with Ctrl+X, which
# saves the state twice: the result is that of one save.
source "$(dirname "$0")/../lib.sh"

start
check "design bounds replaced by the defaults" "0 0 600 400" "$(drive bounds)"
check "caption is the entry count" "0" "$(drive caption)"
check "no entry selected" "-1" "$(drive selected)"

drive keys ctrl+x
drive gone
check "settings written in order with their defaults" "[MySystem]
top=0
left=0
Height=400
Width=600
Dir=Z:\\
ListName=新規
ItemIndex=-1
AutoSiz=1
Tile=1
Location=0" "$(settings)"
[ -f "$WORK/新規" ] || fail "the list was not saved as 新規 in the current folder"
check "the empty list is a file of zero bytes" "0" "$(LC_ALL=C stat -c %s "$WORK/新規")"
check "no temporary file left beside the list" "" "$(LC_ALL=C ls -A "$WORK" | grep '^~tv' || true)"
