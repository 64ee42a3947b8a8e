#!/usr/bin/env bash
# The picture list's rules against the real list box, and list files on the
# real file system, through a test program run under the same Wine.
source "$(dirname "$0")/../lib.sh"
status=0
wine "$TIRVANE_EXE_DIR/win_tests.exe" >"$WORK/result.sjis" 2>>"$WORK/wine.log" </dev/null || status=$?
iconv -f CP932 -t UTF-8 "$WORK/result.sjis" | tr -d '\r' | tee "$WORK/result"
grep -q ' 0 failed$' "$WORK/result"
[ $status -eq 0 ] || fail "the test program ended with status $status"
