#!/usr/bin/env bash
# A copy of the program named Foo.exe keeps Foo.ini in the same data folder
# and empties its own temporary folder at exit, read-only files excepted;
# a name of full-width letters gives a title lowered like any other.
source "$(dirname "$0")/../lib.sh"

cp "$EXE" "$WORK/Foo.exe"
temp=$USER_DIR/Temp
rm -rf "$temp/Foo" "$temp/Tirvane"
mkdir -p "$temp/Foo/sub/deeper" "$temp/Foo/keep" "$temp/Tirvane"
touch "$temp/Foo/a.jpg" "$temp/Foo/.hidden" "$temp/Foo/sub/b.bmp" "$temp/Foo/sub/deeper/c.jpg"
echo mine > "$temp/Tirvane/other.jpg"
echo stays > "$temp/Foo/keep/readonly.jpg"
chmod a-w "$temp/Foo/keep/readonly.jpg"

start "$WORK/Foo.exe"
drive close
[ -f "$DATA_DIR/Foo.ini" ] || fail "no Foo.ini in the data folder"
[ ! -f "$DATA_DIR/Tirvane.ini" ] || fail "the copy wrote Tirvane.ini"
check "the copy's temporary folder is emptied but for the read-only file" "keep
keep/readonly.jpg" "$(cd "$temp/Foo" && find . -mindepth 1 | sed 's|^\./||' | LC_ALL=C sort)"
check "the other program's temporary folder is not touched" "mine" "$(cat "$temp/Tirvane/other.jpg")"
chmod u+w "$temp/Foo/keep/readonly.jpg"

# A name of full-width letters: the title keeps its first and lowers the
# rest as the platform lowers them for the user's code page. An empty list
# asked for a random pick shows the title on the error box.
cp "$EXE" "$WORK/ＦＯＯ.exe"
(cd "$WORK" && exec wine "$WORK/ＦＯＯ.exe" /r >>"$WORK/wine.log" 2>&1 &)
check "the title of a full-width name" "Ｆｏｏ
リストのインデックスが範囲を超えています (0)" "$(drive message-box)"
drive close
drive gone
