#!/usr/bin/env bash
# The temporary folder's files go at exit; a link in it to a folder
# elsewhere is not followed, so that folder stays whole. (Wine 8 cannot
# remove a host link to a folder that is not empty, so the link and the
# temporary folder stay here; on Windows they go.)
source "$(dirname "$0")/../lib.sh"

temp=$USER_DIR/Temp/Tirvane
rm -rf "$temp"
mkdir -p "$temp/sub" "$WORK/outside"
echo extracted > "$temp/beach.jpg"
echo nested > "$temp/sub/x.bmp"
echo precious > "$WORK/outside/precious.txt"
ln -s "$WORK/outside" "$temp/link"

start
drive close
check "the extracted files are gone" "link" "$(LC_ALL=C ls -A "$temp" 2>/dev/null || echo gone)"
check "the linked folder keeps its file" "precious" "$(cat "$WORK/outside/precious.txt")"
