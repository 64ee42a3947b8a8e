#!/usr/bin/env bash
# Icon files whose first image is of each kind an icon holds (1, 4, 8, 24
# and 32 bits, and 256 x 256 stored as PNG), each followed by others, are
# shown at the first image's size and drawn blue on the left, red on the
# right, as they are on Windows; a PNG image cut short is dropped. Wine's
# own icon loading swaps red and blue in PNG images without alpha, so the
# program decodes PNG images itself through the platform's imaging
# component.
source "$(dirname "$0")/../lib.sh"
python3 "$TIRVANE_SOURCE/tests/e2e/material/icons.py" "$WORK/icons"
mkdir -p "$DATA_DIR"
shot=$WORK/screen.png

# halves: the colours a quarter of the way in from the view's left and right.
halves() {
  local ox oy left top width height
  read -r ox oy _ <<<"$(drive client)"
  read -r _ left top width height <<<"$(drive view)"
  import -display "$DISPLAY" -window root "$shot"
  local y=$((oy + top + height / 2))
  echo "$(colour_at "$shot" $((ox + left + width / 4)) $y) $(colour_at "$shot" $((ox + left + width * 3 / 4)) $y)"
}

# show ICON: starts with a list of that one icon file, selected.
show() {
  printf '%s\r\n' "$(winpath "$WORK/icons/$1.ico")" >"$WORK/list.pvl"
  write_sjis "$INI" '[MySystem]\r\ntop=0\r\nleft=0\r\nHeight=400\r\nWidth=600\r\nListName=%s\r\nItemIndex=0\r\n' \
    "$(winpath "$WORK/list.pvl")"
  start
}

for icon in bits1:32 bits4:32 bits8:48 bits24:32 bits32:64 png256:256 png256_palette:256 png256_rgb:256; do
  name=${icon%%:*} size=${icon#*:}
  show "$name"
  check "$name is shown at its first image's size" "(${size}x${size})" "$(drive caption | grep -o '([0-9]*x[0-9]*)')"
  check_eventually "$name is drawn blue on the left, red on the right" "blue red" halves
  drive close
done

show png256_cut
check "an icon whose PNG image is cut short is dropped" "" "$(drive entries)"
drive close
