#!/usr/bin/env bash
# The menu bar read from the running program: every menu, caption and
# shortcut in the command table's order; "* " on the options that are on,
# from the first start, the switches and the stored settings, and on none
# after an archive, folder or wallpaper start; the picture commands disabled
# only while an archive member's view is collapsed.
source "$(dirname "$0")/../lib.sh"

# bar S3-MARK TILE1-MARK L1-MARK PICTURE-COMMANDS: the whole menu bar as the
# user sees it, with these marks and Save1, W1 and S1 in that state.
bar() {
  cat <<TEXT
ファイル(&F)
  開く(&O)|Ctrl+O|enabled
  書庫ﾌｧｲﾙを開く(&Z)|Ctrl+Z|enabled
  保存(&S)|Ctrl+S|$4
  フォルダを開く(&D)|Ctrl+D|enabled
  閉じる(X)|Ctrl+X|enabled
  一覧を初期化(&C)|Ctrl+C|enabled
  一覧を保存(&L)|Ctrl+L|enabled
  一覧を別の名前で保存(&R)|Ctrl+Alt+L|enabled
  一覧を開く(&P)|Ctrl+Alt+O|enabled
画像(&G)
  削除(&D)|Del|enabled
  壁紙に指定(&W)|Ctrl+W|$4
  ショートカットを作成(&S)|Ctrl+H|$4
設定(&O)
  [送る]に登録(&T)|Ctrl+T|enabled
  ﾗﾝﾀﾞﾑ壁紙(&R)|Ctrl+Alt+R|enabled
  ﾘｽﾄをｽｸﾘｰﾝｾｲﾊﾞｰに設定(&S)|Ctrl+B|enabled
  ｽｸﾘｰﾝｾｲﾊﾞｰ起動(&R)|Ctrl+R|enabled
  -
  $1サイズを合わせる(&Z)|Ctrl+Z|enabled
  $2並べて表示(&T)|Ctrl+E|enabled
  $3位置を合わせる(&L)|Ctrl+A|enabled
作者(&M)
  ぽるん堂(&O)|Ctrl+M|enabled
  バージョン情報(&V)|Ctrl+V|enabled
TEXT
}
on='* '
S3=306 Tile1=307 L1=308

start
check "first start: fitting and tiling marked, an empty list" "$(bar "$on" "$on" "" enabled)" "$(drive menu)"
drive command $S3
check "S3 takes its own mark only" "$(bar "" "$on" "" enabled)" "$(drive menu)"
drive command $L1
check "L1 puts its own mark only" "$(bar "" "$on" "$on" enabled)" "$(drive menu)"
drive command $Tile1
drive command $S3
check "each switch again" "$(bar "$on" "" "$on" enabled)" "$(drive menu)"
drive close
drive gone

start
check "the stored options come back marked" "$(bar "$on" "" "$on" enabled)" "$(drive menu)"
drive close
drive gone

# An archive member that yields no file collapses the view and disables the
# picture commands; showing the entry above enables them again.
pictures=$WORK/pictures
mkdir -p "$pictures/box.lzh"
cp "$SAMPLES/small.jpg" "$pictures/p1.jpg"
printf '%s\r\n' "$(winpath "$pictures/p1.jpg")" "$(winpath "$pictures/box.lzh")\\a.jpg" | iconv -t CP932 > "$WORK/list.pvl"
write_sjis "$INI" '[MySystem]\r\nListName=%s\r\nItemIndex=1\r\n' "$(winpath "$WORK/list.pvl")"
start
check "the view collapsed" "0" "$(drive view | cut -d' ' -f4)"
check "the picture commands are disabled" "$(bar "$on" "$on" "" disabled)" "$(drive menu)"
drive keys up
check "the entry above is shown" "0" "$(drive selected)"
check "and they are enabled again" "$(bar "$on" "$on" "" enabled)" "$(drive menu)"
drive close
drive gone

# Nothing selected in a filled list: the commands stay enabled.
write_sjis "$INI" '[MySystem]\r\nListName=%s\r\nItemIndex=-1\r\n' "$(winpath "$WORK/list.pvl")"
start
check "no selection" "-1" "$(drive selected)"
check "enabled with no selection" "$(bar "$on" "$on" "" enabled)" "$(drive menu)"
drive close
drive gone

# The folder and archive routes restore no options: none is marked.
bash "$TIRVANE_SOURCE/tests/archives/make_archive.sh" "$WORK/one.lzh" 2 "$pictures" p1.jpg
for route in folder archive; do
  if [ $route = folder ]; then start "$(winpath "$pictures")"; else start "$(winpath "$WORK/one.lzh")"; fi
  check "no option marked after the $route route" "$(bar "" "" "" enabled)" "$(drive menu)"
  drive close
  drive gone
done

# The wallpaper mode reads the options without marking them; a picture that
# reads but does not decode leaves the window open to show it.
python3 "$TIRVANE_SOURCE/tests/e2e/material/jpegs.py" undecodable "$SAMPLES/sunset.jpg" "$pictures/broken.jpg"
(cd "$WORK" && exec wine "$EXE" "$(winpath "$pictures/broken.jpg")" >>"$WORK/wine.log" 2>&1 &)
check "the decode error" "Tirvane
Bogus Huffman table definition." "$(drive message-box)"
check "no option marked after the wallpaper mode" "$(bar "" "" "" enabled)" "$(drive menu)"
drive close
drive gone
