#!/usr/bin/env bash
# When the data folder cannot be made, writing the settings fails with the
# settings file's path; Ctrl+X then leaves the window open, and closing the
# window reports the same error and still ends the program.
source "$(dirname "$0")/../lib.sh"

mkdir -p "$(dirname "$DATA_DIR")"
echo "not a folder" > "$DATA_DIR"
ini_path='C:\users\'"$(id -un)"'\AppData\Roaming\Microsoft\Windows\Tirvane\Tirvane.ini'

start
drive keys ctrl+x
check "Ctrl+X reports the failed write" "Tirvane
$ini_path に書き込めません." "$(drive message-box)"
drive no-dialog 500
check "the window stays after Ctrl+X fails" "0" "$(drive caption)"
(wine "$DRIVER" close >/dev/null 2>&1 &)
check "closing reports it as well" "Tirvane
$ini_path に書き込めません." "$(drive message-box)"
drive gone
rm -f "$DATA_DIR"
