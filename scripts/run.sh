#!/usr/bin/env bash
# Starts Tirvane.exe under Wine on a list of the sample pictures. With a
# display the window opens there; without one it runs on a virtual screen
# and a screenshot of the window is saved.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
source scripts/wine-env.sh
export WINEPREFIX=$root/build/run/prefix
[ -n "${DISPLAY:-}" ] || export HOME=$root/build/run/home
ensure_prefix

samples=$root/build/samples
list=$samples/samples.pvl
if [ ! -f "$list" ]; then
  for f in "$samples"/*.jpg "$samples"/*.bmp; do
    printf '%s\r\n' "$(winpath "$f")"
  done | iconv -f UTF-8 -t CP932 > "$list"
fi
exe=$root/build/x86_64/Tirvane.exe
driver=$root/build/x86_64/tvdriver.exe

if [ -n "${DISPLAY:-}" ]; then
  cd "$samples"
  exec wine "$exe" "$(winpath "$list")"
fi

start_xvfb
trap 'stop_wine; kill $XVFB_PID 2>/dev/null || true' EXIT
(cd "$samples" && wine "$exe" "$(winpath "$list")" &)
wine "$driver" wait
sleep 1
shot=$root/build/run/screenshot.png
window=$(LC_ALL=C xdotool search --onlyvisible --class Tirvane.exe | head -n 1)
import -window "$window" "$shot"
wine "$driver" close
echo "Screenshot of the window: $shot"
