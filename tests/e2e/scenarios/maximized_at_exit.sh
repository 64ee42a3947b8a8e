#!/usr/bin/env bash
# A window maximized at exit is stored with its normal bounds and comes back
# un-maximized there.
source "$(dirname "$0")/../lib.sh"

mkdir -p "$DATA_DIR"
write_sjis "$INI" '[MySystem]\r\ntop=40\r\nleft=30\r\nHeight=350\r\nWidth=500\r\n'
start
check "stored bounds applied" "30 40 500 350" "$(drive bounds)"
drive maximize
drive close
check "normal bounds stored" "40 30 350 500" "$(for k in top left Height Width; do setting $k; done | xargs)"
start
check "back un-maximized at the stored place" "30 40 500 350" "$(drive bounds)"
drive close
