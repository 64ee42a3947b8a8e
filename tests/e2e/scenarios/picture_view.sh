#!/usr/bin/env bash
# The selected picture fitted into the view area and centred across it, the
# caption naming it, the screen showing it there; the splitter moves it.
source "$(dirname "$0")/../lib.sh"

convert -size 100x300 xc:red "BMP3:$WORK/tall.bmp"
convert -size 400x100 xc:blue "$WORK/wide.jpg"
list=$WORK/旅行.pvl
write_sjis "$list" '%s\r\n%s\r\n' "$(winpath "$WORK/tall.bmp")" "$(winpath "$WORK/wide.jpg")"
mkdir -p "$DATA_DIR"
write_sjis "$INI" '[MySystem]\r\ntop=0\r\nleft=0\r\nHeight=400\r\nWidth=600\r\nListName=%s\r\nItemIndex=0\r\n' "$(winpath "$list")"

# expect_fit LIST_WIDTH PW PH INDEX ENTRY: checks the view's bounds and the
# caption against the fit of a pw x ph picture.
expect_fit() {
  read -r _ _ cw ch <<<"$(drive client)"
  read -r width height left scale < <(python3 - "$1" "$2" "$3" "$cw" "$ch" <<'PY'
import sys
lw, pw, ph, cw, ch = map(int, sys.argv[1:])
vw = cw - lw - 3
s = vw / pw if ch / vw >= ph / pw else ch / ph
w, h = round(pw * s), round(ph * s)
print(w, h, int((vw - w) / 2) + lw + 3, ("%.15g" % s).replace("e-0", "E-").upper())
PY
  )
  check "view of $5 at list width $1" "shown $left 0 $width $height" "$(drive view)"
  check "caption of $5" "[旅行]$(winpath "$WORK/$5") (${2}x${3})x$scale($4/2)" "$(drive caption)"
}

start
check "the list is 169 pixels wide" "169" "$(drive list-width)"
expect_fit 169 100 300 1 tall.bmp

read -r ox oy cw ch <<<"$(drive client)"
read -r _ left top width height <<<"$(drive view)"
shot=$WORK/screen.png
# colour X Y: red, blue or other, within a JPEG's error, at a client point
# of the last screenshot.
colour() {
  local x=$(($1 + ox)) y=$(($2 + oy))
  LC_ALL=C convert "$shot" -format "%[fx:int(255*p{$x,$y}.r)] %[fx:int(255*p{$x,$y}.g)] %[fx:int(255*p{$x,$y}.b)]" info: |
    awk '{ print ($1 > 230 && $2 < 25 && $3 < 25) ? "red" : ($3 > 230 && $1 < 25 && $2 < 25) ? "blue" : "other" }'
}
# colours_now X1 Y1 X2 Y2: a new screenshot, and the colours at two client
# points of it. The window paints when it has nothing else to do, so a
# check of what is drawn polls.
colours_now() {
  import -display "$DISPLAY" -window root "$shot"
  echo "$(colour "$1" "$2") $(colour "$3" "$4")"
}
check_eventually "the picture's middle is drawn red, left of it the window background" "red other" \
  colours_now $((left + width / 2)) $((height / 2)) $((left - 5)) $((height / 2))

# Dragged 100 pixels right, the list widens and the picture is fitted again.
drive drag 170 100 270 100
check "the list is 269 pixels wide" "269" "$(drive list-width)"
expect_fit 269 100 300 1 tall.bmp
# Dragged to 30 pixels or less, the list closes.
drive drag 270 100 25 100
check "the list is closed" "0" "$(drive list-width)"
expect_fit 0 100 300 1 tall.bmp
drive drag 1 100 170 100
check "the list opens again" "169" "$(drive list-width)"

# Selecting with the keyboard shows the JPEG, area-averaged to blue.
drive click 20 10
drive keys down
check "the second entry is selected" "1" "$(drive selected)"
expect_fit 169 400 100 2 wide.jpg
read -r _ left top width height <<<"$(drive view)"
check_eventually "the JPEG's middle is drawn blue, below it the window background" "blue other" \
  colours_now $((left + width / 2)) $((height / 2)) $((left + width / 2)) $((height + 5))
drive close
