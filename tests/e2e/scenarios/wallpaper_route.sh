#!/usr/bin/env bash
# A picture path on the command line becomes the wallpaper: the bitmap file
# byte for byte, the desktop's four registry values with their terminating
# NUL, no settings written; the Send To form takes the same route. Stored
# options steer the composition. A file that is no picture changes nothing
# and keeps the last list's settings; so does a picture whose data fails to
# decode, which is reported and leaves the window open.
source "$(dirname "$0")/../lib.sh"

pics=$WINEPREFIX/drive_c/pics
mkdir -p "$pics"
/usr/bin/convert -size 400x300 xc:'#c01020' BMP3:"$pics/red.bmp"
/usr/bin/convert -size 600x800 xc:'#2040e0' BMP3:"$pics/tall blue.bmp"
echo "no picture" > "$pics/note.jpg"
python3 "$TIRVANE_SOURCE/tests/e2e/material/jpegs.py" undecodable "$SAMPLES/sunset.jpg" "$pics/broken.jpg"
wallpaper=$DATA_DIR/壁紙.bmp
data_dir='C:\users\'"$(id -un)"'\AppData\Roaming\Microsoft\Windows\Tirvane'
desktop() { drive desktop-value "$1"; }

# solid_bmp WIDTH HEIGHT B G R: the bitmap file a solid wallpaper makes.
solid_bmp() {
  python3 - "$@" <<'PY'
import struct, sys
w, h, b, g, r = map(int, sys.argv[1:])
image = bytes([b, g, r, 0]) * (w * h)
sys.stdout.buffer.write(b"BM" + struct.pack("<IHHI", 54 + len(image), 0, 0, 54)
                        + struct.pack("<IiiHHIIiiII", 40, w, h, 1, 32, 0, len(image), 0, 0, 0, 0) + image)
PY
}

drive run-exact "\"$(winpath "$EXE")\" C:\\pics\\red.bmp"
solid_bmp 1024 768 32 16 192 > "$WORK/expected.bmp"
check_same_bytes "a 400 x 300 picture fills the 1024 x 768 screen" "$WORK/expected.bmp" "$wallpaper"
check "tiled" "REG_SZ 2 1" "$(desktop TileWallpaper)"
check "the bitmap is the wallpaper" "REG_SZ $(( $(printf '%s' "$data_dir\\壁紙.bmp" | iconv -t CP932 | wc -c) + 1 )) $data_dir\\壁紙.bmp" \
  "$(desktop Wallpaper)"
check "centred" "REG_SZ 2 0 | REG_SZ 2 0" "$(desktop WallPaperOriginX) | $(desktop WallPaperOriginY)"
check "the fit left to the tile value, as current Windows read it" "REG_SZ 2 0" "$(desktop WallpaperStyle)"
[ ! -e "$INI" ] || fail "the wallpaper mode wrote the settings"

# Send To: the program, two quote characters, the picture. Stored options:
# no fitting, not tiled, placed at the stored window position.
write_sjis "$INI" '[MySystem]\r\nleft=-40\r\ntop=25\r\nAutoSiz=0\r\nTile=0\r\nLocation=1\r\nListName=C:\\last.pvl\r\nDir=C:\\pics\r\nItemIndex=3\r\n'
cp "$INI" "$WORK/settings.before"
drive run-exact "\"$(winpath "$EXE")\" \"\" \"C:\\pics\\tall blue.bmp\""
solid_bmp 600 800 224 64 32 > "$WORK/expected.bmp"
check_same_bytes "unscaled" "$WORK/expected.bmp" "$wallpaper"
check "not tiled, at the window's place" "REG_SZ 2 0 | REG_SZ 4 -40 | REG_SZ 3 25" \
  "$(desktop TileWallpaper) | $(desktop WallPaperOriginX) | $(desktop WallPaperOriginY)"
check_same_bytes "the settings are not written" "$WORK/settings.before" "$INI"

cp "$wallpaper" "$WORK/wallpaper.before"
drive run-exact "\"$(winpath "$EXE")\" C:\\pics\\note.jpg"
check_same_bytes "a file that is no picture leaves the wallpaper" "$WORK/wallpaper.before" "$wallpaper"
check "and its registry values" "REG_SZ 2 0" "$(desktop TileWallpaper)"
check "the last list's settings survive" 'C:\last.pvl | C:\pics | 3 | 0' \
  "$(setting ListName) | $(setting Dir) | $(setting ItemIndex) | $(setting AutoSiz)"

# The header reads, the data does not: the error box during the start, the
# window stays open, and closing it keeps what the route never read.
(cd "$WORK" && exec wine "$EXE" 'C:\pics\broken.jpg' >>"$WORK/wine.log" 2>&1 &)
check "the decode error is shown" "Tirvane
Bogus Huffman table definition." "$(drive message-box)"
check_same_bytes "the wallpaper stays" "$WORK/wallpaper.before" "$wallpaper"
drive close
drive gone
check "the last list's settings survive the close" 'C:\last.pvl | C:\pics | 3' \
  "$(setting ListName) | $(setting Dir) | $(setting ItemIndex)"
