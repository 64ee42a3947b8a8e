#!/usr/bin/env bash
# make_archive.sh ARCHIVE LEVEL FOLDER MEMBER...: packs the members (paths
# relative to FOLDER) into a new LZH archive with header level 0, 1 or 2,
# using a real archiver; Japanese names are stored in Shift-JIS.
set -euo pipefail
archive=$(realpath -m "$1")
level=$2
cd "$3"
shift 3
case $level in
  0) options=a0o5 ;;
  1) options=a1o5 ;;
  2) options=ao5 ;;
  *) echo "make_archive: no header level $level" >&2; exit 2 ;;
esac
rm -f "$archive"
LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 jlha "$options" "$archive" "$@" >/dev/null
