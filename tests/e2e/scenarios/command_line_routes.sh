#!/usr/bin/env bash
# The first argument picks the route: "-r" and /R set a random entry of the
# stored list as the wallpaper and end without saving, and a picked entry
# that cannot be read saves the whole state as an exit does; -x and /? only
# restore; a folder named -r is scanned; a .Pvl keeps its path as the list
# name; an archive fills the list; an archive member becomes the wallpaper
# and its extracted copy stays. From the window, Ctrl+W composes what is
# shown with the options as switched.
source "$(dirname "$0")/../lib.sh"

pics=$WINEPREFIX/drive_c/pics
mkdir -p "$pics"
/usr/bin/convert -size 40x30 xc:'#ff0000' BMP3:"$pics/r.bmp"
/usr/bin/convert -size 40x30 xc:'#00ff00' BMP3:"$pics/g.bmp"
/usr/bin/convert -size 40x30 xc:'#0000ff' BMP3:"$pics/b.bmp"
printf 'C:\\pics\\r.bmp\r\nC:\\pics\\g.bmp\r\nC:\\pics\\b.bmp\r\n' > "$WORK/three.pvl"
mkdir -p "$DATA_DIR"
write_sjis "$INI" '[MySystem]\r\nListName=%s\r\nItemIndex=1\r\n' "$(winpath "$WORK/three.pvl")"
cp "$INI" "$WORK/settings.before"
wallpaper=$DATA_DIR/壁紙.bmp
exe=$(winpath "$EXE")
# The colour of the wallpaper's first pixel, as blue green red.
first_pixel() { xxd -s 54 -l 3 -p "$wallpaper"; }

for option in '"-r"' '/R' '-random'; do
  rm -f "$wallpaper"
  (cd "$WORK" && drive run-exact "\"$exe\" $option")
  case $(first_pixel) in
    0000ff | 00ff00 | ff0000) echo "ok: $option sets an entry of the list: $(first_pixel)" ;;
    *) fail "$option: no wallpaper from the list" ;;
  esac
  check_same_bytes "$option leaves the settings as they were" "$WORK/settings.before" "$INI"
done

# ビ is 83 72: its second byte is an r, and that is all the pick looks at.
rm -f "$wallpaper"
cp "$WORK/three.pvl" "$WORK/ビ.pvl"
(cd "$WORK" && drive run-exact "\"$exe\" ビ.pvl")
[ -e "$wallpaper" ] || fail "a list named ビ.pvl does not lead to the random pick"
check_same_bytes "and ends without saving" "$WORK/settings.before" "$INI"

# A picked entry that cannot be read: the settings, the list and the
# temporary folder are saved and cleared as at an exit.
printf 'C:\\pics\\gone.jpg\n' > "$WORK/gone.pvl"
write_sjis "$INI" '[MySystem]\r\nListName=%s\r\nItemIndex=5\r\n' "$(winpath "$WORK/gone.pvl")"
chmod -R u+w "$USER_DIR/Temp/Tirvane" 2>/dev/null || true
rm -rf "$USER_DIR/Temp/Tirvane"
mkdir -p "$USER_DIR/Temp/Tirvane"
touch "$USER_DIR/Temp/Tirvane/left.jpg"
(cd "$WORK" && drive run-exact "\"$exe\" -r")
check "the state is saved" "$(winpath "$WORK/gone.pvl") | 0" "$(setting ListName) | $(setting ItemIndex)"
[ -n "$(setting Dir)" ] || fail "no Dir saved"
check "the list is saved" 'C:\pics\gone.jpg' "$(tr -d '\r' < "$WORK/gone.pvl")"
[ "$(tail -c 2 "$WORK/gone.pvl" | xxd -p)" == 0d0a ] || fail "the list was not written again"
[ ! -e "$USER_DIR/Temp/Tirvane" ] || fail "the temporary folder stays"
cp "$WORK/settings.before" "$INI"

rm -f "$wallpaper"
for option in -x '/?'; do
  start "$option"
  check "$option restores the list" "3 1" "$(drive entries | wc -l) $(drive selected)"
  drive close
  drive gone
done
[ ! -e "$wallpaper" ] || fail "an option other than r set a wallpaper"

# A folder called -r in the current folder is scanned, not taken as the option.
mkdir -p "$WORK/-r"
cp "$pics/g.bmp" "$WORK/-r/in.bmp"
start -r
check "a folder named -r is scanned" '-r\in.bmp' "$(drive entries)"
drive close
drive gone
check "and the list is named anew" "新規.pvl" "$(setting ListName)"

start "$(winpath "$WORK/Later.Pvl")"
check "a missing list opens empty" "" "$(drive entries)"
drive close
drive gone
check "a .Pvl keeps its path as the list name" "$(winpath "$WORK/Later.Pvl")" "$(setting ListName)"
[ -e "$WORK/Later.Pvl" ] || fail "the list file is not created at exit"

cp "$pics/r.bmp" "$WORK/m.bmp"
bash "$TIRVANE_SOURCE/tests/archives/make_archive.sh" "$WORK/arc.LZH" 2 "$WORK" m.bmp
start "$(winpath "$WORK/arc.LZH")"
check "an archive fills the list" "$(winpath "$WORK/arc.LZH")\\m.bmp" "$(drive entries)"
drive close
drive gone
rm -rf "$USER_DIR/Temp/Tirvane"
drive run-exact "\"$exe\" $(winpath "$WORK/arc.LZH")\\m.bmp"
check "an archive member becomes the wallpaper" "0000ff" "$(first_pixel)"
[ -e "$USER_DIR/Temp/Tirvane/m.bmp" ] || fail "the extracted member is not left in the extraction folder"

# From the window: the options switched off by their menu items.
write_sjis "$INI" '[MySystem]\r\nListName=%s\r\nItemIndex=2\r\nLocation=0\r\n' "$(winpath "$WORK/three.pvl")"
start
drive command 306  # fitting off
drive command 307  # tiling off
drive keys ctrl+w
drive no-dialog 500
check "Ctrl+W sets the shown picture unscaled" "40 30 ff0000" \
  "$(LC_ALL=C od -An -tu4 -j18 -N8 "$wallpaper" | xargs) $(first_pixel)"
check "not tiled, centred" "REG_SZ 2 0 | REG_SZ 4 492 | REG_SZ 4 369" \
  "$(drive desktop-value TileWallpaper) | $(drive desktop-value WallPaperOriginX) | $(drive desktop-value WallPaperOriginY)"
drive close
drive gone
check "the switched options are saved" "0 0" "$(setting AutoSiz) $(setting Tile)"

# A random pick from an empty list: the list-index error, no wallpaper, and
# the window opens with the empty list.
: > "$WORK/empty.pvl"
write_sjis "$INI" '[MySystem]\r\nListName=%s\r\n' "$(winpath "$WORK/empty.pvl")"
cp "$wallpaper" "$WORK/wallpaper.before"
# The box comes before the window is shown.
(cd "$WORK" && exec wine "$EXE" /r >>"$WORK/wine.log" 2>&1 &)
check "an empty list has no entry to pick" "Tirvane
リストのインデックスが範囲を超えています (0)" "$(drive message-box)"
check "the window opens all the same" "" "$(drive entries)"
drive close
drive gone
check_same_bytes "the wallpaper stays" "$WORK/wallpaper.before" "$wallpaper"
