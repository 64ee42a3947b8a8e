#!/usr/bin/env bash
# Pictures nobody here made, from the libjpeg-turbo sources set-up fetches:
# a baseline, a progressive and an arithmetic-coded JPEG and three bitmaps
# are each shown at their size, looking as an independent decoder draws
# them; the 12-bit JPEG, which this libjpeg build does not read, is
# dropped like any unreadable entry. None crashes or hangs the program.
source "$(dirname "$0")/../lib.sh"
shopt -s nullglob
sources=("$TIRVANE_SOURCE"/build/deps/src/libjpeg-turbo-*/testimages)
[ ${#sources[@]} -gt 0 ] || { echo "skipped: the libjpeg-turbo sources are not fetched"; exit 77; }
mkdir -p "$WORK/pictures" "$DATA_DIR"
shot=$WORK/screen.png

# show PICTURE: starts with a list of that one picture, selected.
show() {
  cp "${sources[0]}/$1" "$WORK/pictures/$1"
  printf '%s\r\n' "$(winpath "$WORK/pictures/$1")" | iconv -f UTF-8 -t CP932 >"$WORK/list.pvl"
  write_sjis "$INI" '[MySystem]\r\ntop=0\r\nleft=0\r\nHeight=400\r\nWidth=600\r\nListName=%s\r\nItemIndex=0\r\n' \
    "$(winpath "$WORK/list.pvl")"
  start
}

# mean_colour FILE X Y: the mean red, green and blue of the 5 x 5 pixels
# around a point.
mean_colour() {
  LC_ALL=C convert "$1" -crop "5x5+$(($2 - 2))+$(($3 - 2))" +repage -scale 1x1\! -depth 8 -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info:
}

# drawn_like_its_decode: the middle of the view, on the screen, against the
# middle of the picture as ImageMagick decodes and scales it.
drawn_like_its_decode() {
  local name=$1 ox oy left top width height
  read -r ox oy _ <<<"$(drive client)"
  read -r _ left top width height <<<"$(drive view)"
  convert "$WORK/pictures/$name" -resize "${width}x${height}!" "$WORK/reference.png"
  import -display "$DISPLAY" -window root "$shot"
  read -r r1 g1 b1 <<<"$(mean_colour "$shot" $((ox + left + width / 2)) $((oy + top + height / 2)))"
  read -r r2 g2 b2 <<<"$(mean_colour "$WORK/reference.png" $((width / 2)) $((height / 2)))"
  local worst=0 d
  for d in $((r1 - r2)) $((g1 - g2)) $((b1 - b2)); do d=${d#-}; [ "$d" -gt "$worst" ] && worst=$d; done
  [ "$worst" -le 24 ] && echo like || echo "$r1 $g1 $b1 against $r2 $g2 $b2"
}

for picture in testorig.jpg:227x149 testimgint.jpg:227x149 testimgari.jpg:227x149 \
  nightshot_iso_100.bmp:192x144 vgl_5674_0098.bmp:120x96 vgl_6434_0018a.bmp:119x96 vgl_6548_0026a.bmp:128x95; do
  name=${picture%%:*} size=${picture#*:}
  show "$name"
  check "$name is shown at its size" "($size)" "$(drive caption | grep -o '([0-9]*x[0-9]*)')"
  drive no-dialog 500
  check_eventually "$name is drawn as an independent decoder draws it" like drawn_like_its_decode "$name"
  drive close
done

show testorig12.jpg
check "the 12-bit JPEG is dropped" "" "$(drive entries)"
check "the caption is the count" "0" "$(drive caption)"
drive close
