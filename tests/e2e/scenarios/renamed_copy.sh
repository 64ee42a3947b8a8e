#!/usr/bin/env bash
# A copy of the program named Foo.exe keeps Foo.ini in the same data folder
# and empties its own temporary folder at exit, read-only files excepted.
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
keep/readonly.jpg" "$(cd "$temp/Foo" && find . -mindepth 1 | sed 's|^\./||' | sort)"
check "the other program's temporary folder is not touched" "mine" "$(cat "$temp/Tirvane/other.jpg")"
chmod u+w "$temp/Foo/keep/readonly.jpg"
