#!/usr/bin/env bash
# The names the dialogs offer and what the shell commands hand on: a copy of
# a ".JPG" entry is offered as 新規画像ファイル.JPG under *.JPG, of an archive
# member under its member's extension; a member's shortcut name keeps the
# member's "/"; an existing file chosen for a shortcut is replaced without a
# question; the screensaver's list keeps member entries as they are and is
# not made from an empty list; the screensaver command asks the shell to
# open てぃるばね.scr in the Windows folder.
source "$(dirname "$0")/../lib.sh"

pics=$WINEPREFIX/drive_c/pics
files=$WORK/files
mkdir -p "$pics" "$files/photos" "$WINEPREFIX/drive_c/links" "$WINEPREFIX/drive_c/out" "$DATA_DIR"
cp "$SAMPLES/sunset.jpg" "$pics/cat.JPG"
cp "$SAMPLES/small.jpg" "$files/photos/beach.jpg"
bash "$TIRVANE_SOURCE/tests/archives/make_archive.sh" "$pics/box.lzh" 2 "$files" photos/beach.jpg
printf 'C:\\pics\\cat.JPG\r\nC:\\pics\\box.lzh\\photos/beach.jpg\r\n' > "$WORK/two.pvl"
write_sjis "$INI" '[MySystem]\r\nListName=%s\r\nItemIndex=0\r\n' "$(winpath "$WORK/two.pvl")"

# A stand-in for the screensaver: the shell's open command for .scr files
# writes down what it was asked to open.
screensaver=$WINEPREFIX/drive_c/windows/てぃるばね.scr
: > "$screensaver"
opened=$WINEPREFIX/drive_c/out/opened.txt
wine reg add 'HKCR\.scr' /ve /d tvscreensaver /f >>"$WORK/wine.log" 2>&1
wine reg add 'HKCR\tvscreensaver\shell\open\command' /ve \
  /d 'C:\windows\system32\cmd.exe /c echo %1> C:\out\opened.txt' /f >>"$WORK/wine.log" 2>&1
forget_stand_in() {
  rm -f "$screensaver"
  wine reg delete 'HKCR\.scr' /f >>"$WORK/wine.log" 2>&1 || true
  wine reg delete 'HKCR\tvscreensaver' /f >>"$WORK/wine.log" 2>&1 || true
}

start
drive keys ctrl+s
check "a copy of a .JPG entry" "新規画像ファイル.JPG | *.JPG" "$(drive dialog-name) | $(drive dialog-filter)"
drive dialog-cancel
drive keys down
check "the member is shown" "1" "$(drive selected)"
drive keys ctrl+s
check "a copy of a member, under its member's extension" "新規画像ファイル.jpg | *.jpg" \
  "$(drive dialog-name) | $(drive dialog-filter)"
drive dialog-cancel

echo "an older file" > "$WINEPREFIX/drive_c/links/photos.lnk"
drive keys ctrl+h
check "a member's shortcut name keeps its /" "photos/beach." "$(drive dialog-name)"
drive dialog-accept 'C:\links\photos.'
check "an existing file is replaced without a question" "$(winpath "$EXE")
\"C:\\pics\\box.lzh\\photos/beach.jpg\"" "$(drive link 'C:\links\photos.lnk')"

drive keys ctrl+b
check_same_bytes_eventually "the screensaver's list keeps member entries" "$WORK/two.pvl" "$DATA_DIR/SSImgList.txt"
rm "$DATA_DIR/SSImgList.txt"
drive keys ctrl+c
drive keys ctrl+b
[ ! -e "$DATA_DIR/SSImgList.txt" ] || fail "an empty list made the screensaver's list"

drive keys ctrl+r
check_eventually "the screensaver is opened through the shell" 'C:\windows\てぃるばね.scr' \
  bash -c "iconv -f CP932 -t UTF-8 '$opened' 2>/dev/null | tr -d '\r' | sed 's/ *$//'"
drive close
drive gone
forget_stand_in
