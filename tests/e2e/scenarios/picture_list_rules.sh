#!/usr/bin/env bash
# The picture list's rules against the real list box, and list files on the
# real file system, through a test program run under the same Wine.
source "$(dirname "$0")/../lib.sh"
wine "$TIRVANE_EXE_DIR/win_tests.exe" | iconv -f CP932 -t UTF-8 | tr -d '\r' | tee "$WORK/result"
grep -q ' 0 failed$' "$WORK/result"
