#!/usr/bin/env bash
# Open Folder: the folder chooser opens at the current folder; the scan takes
# .bmp and .jpg files of every attribute and the pictures of .lzh archives,
# goes into subfolders where they are listed, not into a folder link, and
# appends to the list; a drive root gives single backslashes; cancelling
# changes nothing but the folder kept at exit.
source "$(dirname "$0")/../lib.sh"

pics=$WORK/pics
mkdir -p "$pics/x.jpg" "$pics/sub" "$WORK/packed/sub"
cp "$SAMPLES/small.jpg" "$pics/a.JPG"
cp "$SAMPLES/small.jpg" "$pics/b.jpeg"
cp "$SAMPLES/desert.bmp" "$pics/c.Bmp"
echo text > "$pics/d.txt"
cp "$SAMPLES/small.jpg" "$pics/h.jpg"
cp "$SAMPLES/desert.bmp" "$pics/s.bmp"
cp "$SAMPLES/small.jpg" "$pics/x.jpg/inner.jpg"
cp "$SAMPLES/small.jpg" "$pics/sub/deep.jpg"
cp "$SAMPLES/small.jpg" "$pics/zz.jpg"
ln -s .. "$pics/sub/loop"
cp "$SAMPLES/small.jpg" "$WORK/packed/m1.jpg"
cp "$SAMPLES/desert.bmp" "$WORK/packed/sub/m2.BMP"
echo text > "$WORK/packed/readme.txt"
bash "$TIRVANE_SOURCE/tests/archives/make_archive.sh" "$pics/e.lzh" 2 "$WORK/packed" m1.jpg readme.txt sub/m2.BMP
P=$(winpath "$pics")
wine attrib +h "$P\\h.jpg" >/dev/null 2>>"$WORK/wine.log"
wine attrib +s "$P\\s.bmp" >/dev/null 2>>"$WORK/wine.log"

scanned="$P\\a.JPG
$P\\c.Bmp
$P\\e.lzh\\m1.jpg
$P\\e.lzh\\sub/m2.BMP
$P\\h.jpg
$P\\s.bmp
$P\\sub\\deep.jpg
$P\\x.jpg\\inner.jpg
$P\\zz.jpg"

# scanned_to COUNT: waits for a scan's end, when the caption shows the first
# entry of the whole list of COUNT entries (it is not changed during a scan).
caption_ends() { [[ $(drive caption) == *"$1" ]]; }
scanned_to() { wait_until "the scan's end, the first of $1 entries shown" caption_ends "(1/$1)"; }

(cd "$pics" && exec wine "$EXE" >>"$WORK/wine.log" 2>&1 &)
drive wait
drive keys ctrl+d
check "the chooser opens at the current folder" "ディレクトリの選択
$P" "$(drive folder-shown)"
drive folder-accept
scanned_to 9
check "the scan's entries in listing order" "$scanned" "$(drive entries)"
check "the first is shown" "[新規]$P\\a.JPG (200x123)" "$(drive caption | sed 's/x[0-9.]*(.*//')"

drive keys down
drive keys ctrl+d
drive folder-accept "$P"
scanned_to 18
check "the same folder again lists everything twice" "$scanned
$scanned" "$(drive entries)"
check "and selects the first of the whole list" "0" "$(drive selected)"

drive keys ctrl+d
drive folder-accept "$P\\sub"
scanned_to 19
drive keys ctrl+d
drive dialog-cancel
check "cancelling adds nothing" "$scanned
$scanned
$P\\sub\\deep.jpg" "$(drive entries)"
drive close
drive gone
check "the cancelled choice leaves the kept folder empty" "" "$(setting Dir)"

# A drive root is scanned as its letter and colon.
mkdir -p "$WORK/drive_r/folder"
cp "$SAMPLES/small.jpg" "$WORK/drive_r/top.jpg"
cp "$SAMPLES/small.jpg" "$WORK/drive_r/folder/low.jpg"
ln -sfn "$WORK/drive_r" "$WINEPREFIX/dosdevices/r:"
stop_wine  # a running Wine keeps the drives it knows
start
drive keys ctrl+d
drive folder-accept 'R:\'
scanned_to 2
check "a root's entries have one backslash" 'R:\folder\low.jpg
R:\top.jpg' "$(drive entries)"
drive close
drive gone
check "the root is kept as letter and colon" "R:" "$(setting Dir)"
rm "$WINEPREFIX/dosdevices/r:"

# Closing the window during a long scan saves the list as it stands, and the
# program ends once the scan is over.
rm "$WORK/新規"
for i in $(seq -w 1 400); do mkdir -p "$WORK/many/f$i" && cp "$SAMPLES/small.jpg" "$WORK/many/f$i/p.jpg"; done
start
drive keys ctrl+d
drive folder-accept "$(winpath "$WORK/many")"
drive close
drive gone
saved=$(tr -d '\r' < "$WORK/新規" | wc -l)
[ "$saved" -le 400 ] || fail "more entries saved than the tree holds: $saved"
check "the saved entries are the scan's first ones" "$(for i in $(seq -f %03g 1 "$saved"); do winpath "$WORK/many/f$i/p.jpg"; echo; done)" \
  "$(tr -d '\r' < "$WORK/新規")"
echo "ok: closed after $saved of 400 entries"
