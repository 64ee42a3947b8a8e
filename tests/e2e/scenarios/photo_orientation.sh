#!/usr/bin/env bash
# Photos are seen as the camera took them: a picture stored 60 x 30 with a
# red top left quarter on blue, in each EXIF orientation (the mirrored ones
# too, in both byte orders), is captioned with the size seen and shows its
# red quarter where the turn puts it; as the wallpaper it lies as it is
# seen. A JPEG cut in half is shown as libjpeg reads it, its top as in the
# whole file, and becomes the wallpaper the same way.
source "$(dirname "$0")/../lib.sh"

pictures=$WORK/pictures
mkdir -p "$pictures" "$DATA_DIR"
LC_ALL=C convert -size 60x30 xc:blue -fill red -draw 'rectangle 0,0 29,14' -quality 95 "$pictures/stored.jpg"
for n in 1 2 3 4 5 6 7 8; do
  order=intel
  [ $((n % 2)) -eq 0 ] && order=motorola
  python3 "$TIRVANE_SOURCE/tests/e2e/material/jpegs.py" orient "$pictures/stored.jpg" "$pictures/o$n.jpg" $n $order
done
shot=$WORK/screen.png
wallpaper=$DATA_DIR/壁紙.bmp

# quarters: the colours in the middle of the view's top left, top right,
# bottom right and bottom left quarters.
quarters() {
  local ox oy left top width height
  read -r ox oy _ <<<"$(drive client)"
  read -r _ left top width height <<<"$(drive view)"
  LC_ALL=C import -display "$DISPLAY" -window root "$shot"
  local x1=$((ox + left + width / 4)) x3=$((ox + left + width * 3 / 4))
  local y1=$((oy + top + height / 4)) y3=$((oy + top + height * 3 / 4))
  echo "$(colour_at "$shot" $x1 $y1) $(colour_at "$shot" $x3 $y1) $(colour_at "$shot" $x3 $y3) $(colour_at "$shot" $x1 $y3)"
}

# show PICTURE: starts with a list of that one picture, selected.
show() {
  printf '%s\r\n' "$(winpath "$pictures/$1")" >"$WORK/list.pvl"
  write_sjis "$INI" '[MySystem]\r\ntop=0\r\nleft=0\r\nHeight=500\r\nWidth=700\r\nListName=%s\r\nItemIndex=0\r\n' \
    "$(winpath "$WORK/list.pvl")"
  start
}

# The red quarter as seen: 1 as stored, 2 mirrored across, 3 turned half
# round, 4 mirrored top to bottom, 5 rows made columns, 6 a quarter right,
# 7 a quarter right and mirrored, 8 a quarter left.
red_quarter=(- "red blue blue blue" "blue red blue blue" "blue blue red blue" "blue blue blue red"
  "red blue blue blue" "blue red blue blue" "blue blue red blue" "blue blue blue red")
for n in 1 2 3 4 5 6 7 8; do
  size="(60x30)"
  [ $n -ge 5 ] && size="(30x60)"
  show "o$n.jpg"
  check "orientation $n is captioned with the size seen" "$size" "$(drive caption | grep -o '([0-9]*x[0-9]*)')"
  check_eventually "orientation $n shows the red quarter where the turn puts it" "${red_quarter[$n]}" quarters
  if [ $n -eq 6 ]; then
    drive keys ctrl+w
    wait_until "the wallpaper bitmap" test -s "$wallpaper"
    check "the wallpaper stands as the photo is seen: 384 x 768, red at its top right" \
      "384 768 | blue red blue blue" "$(python3 - "$wallpaper" <<'PY'
import struct, sys
data = open(sys.argv[1], 'rb').read()
offset, = struct.unpack_from('<I', data, 10)
width, height = struct.unpack_from('<ii', data, 18)
def colour(x, y):
    b, g, r = data[offset + 4 * (x + width * (height - 1 - y)):][:3]  # rows bottom up
    return 'red' if r > 200 and g < 60 and b < 60 else 'blue' if b > 200 and r < 60 and g < 60 else f'{r},{g},{b}'
w, h = width, height
print(f'{width} {height} |', ' '.join(colour(x, y) for x, y in ((w // 4, h // 4), (w * 3 // 4, h // 4),
                                                             (w * 3 // 4, h * 3 // 4), (w // 4, h * 3 // 4))))
PY
)"
  fi
  drive close
  drive gone
done

# Cut in half: red over the top three eighths, blue below in the whole
# file; what libjpeg cannot read of the lower half it fills in.
LC_ALL=C convert -size 800x800 xc:blue -fill red -draw 'rectangle 0,0 799,299' -quality 95 "$pictures/whole.jpg"
head -c $(($(stat -c %s "$pictures/whole.jpg") / 2)) "$pictures/whole.jpg" > "$pictures/half.jpg"
rm -f "$wallpaper"
show half.jpg
check "the half copy is shown at its size" "(800x800)" "$(drive caption | grep -o '([0-9]*x[0-9]*)')"
top_quarters() { quarters | cut -d' ' -f1,2; }
check_eventually "with its top as in the whole file" "red red" top_quarters
drive no-dialog 1500
drive keys ctrl+w
wait_until "the wallpaper bitmap of the half copy" test -s "$wallpaper"
check "and it becomes the wallpaper, red at its top" "ff0000" \
  "$(python3 -c "import struct,sys; d=open(sys.argv[1],'rb').read(); o,=struct.unpack_from('<I',d,10); w,h=struct.unpack_from('<ii',d,18); p=d[o+4*(w//2+w*(h-1-5)):][:3]; print('ff0000' if p[2]>200 and p[0]<60 and p[1]<60 else p.hex())" "$wallpaper")"
drive close
