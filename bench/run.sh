#!/bin/bash
# Draws the benchmark's pictures and prints the figures: make bench
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/build/bench"
mkdir -p "$out"
if [ ! -f "$out/baseline.jpg" ]; then
  /usr/bin/convert -size 6000x4000 gradient:'#204080-#e0c060' -attenuate 0.4 +noise Gaussian \
    -quality 90 -sampling-factor 4:2:0 "$out/baseline.jpg"
  /usr/bin/convert "$out/baseline.jpg" -interlace JPEG -quality 90 "$out/progressive.jpg"
fi
# The same photo as a camera held on its side stores it: its EXIF segment
# says to turn it a quarter to the right.
if [ ! -f "$out/oriented.jpg" ]; then
  python3 "$root/tests/e2e/material/jpegs.py" orient "$out/baseline.jpg" "$out/oriented.jpg" 6
fi
cmake --build "$root/build/bench-native" --target view_pipeline >/dev/null
"$root/build/bench-native/view_pipeline" "$out/baseline.jpg" "$out/oriented.jpg" "$out/progressive.jpg"

# The folder scan and list files, under Wine: a tree of 100,000 files in
# 1,000 folders (a tenth of them pictures), made once.
tree="$out/tree"
if [ ! -f "$out/tree.done" ]; then
  rm -rf "$tree"
  python3 - "$tree" <<'PY'
import os, sys
root = sys.argv[1]
others = [".txt", ".jpeg", ".png", ".doc", ".gif", ".mp3", ".tif", ".html", ".zip"]
for a in range(10):
    for b in range(10):
        for c in range(10):
            folder = os.path.join(root, f"album{a}", f"year{b}", f"event{c}")
            os.makedirs(folder)
            for i in range(100):
                name = f"IMG_{i:04d}" + (".jpg" if i < 9 else ".BMP" if i == 9 else others[i % len(others)])
                open(os.path.join(folder, name), "w").close()
PY
  touch "$out/tree.done"
fi
cmake --build "$root/build/x86_64" --target gathering_bench bare_walk view_pipeline >/dev/null
source "$root/scripts/wine-env.sh"
export WINEPREFIX="$out/prefix" HOME="$out/home"
ensure_prefix
start_xvfb
trap 'stop_wine; kill $XVFB_PID 2>/dev/null || true' EXIT

# The same pipeline as each Windows program runs it, under Wine, on the
# same pictures; the 32-bit one where the machine runs 32-bit code.
targets=(x86_64)
source "$root/scripts/runs-32bit.sh"
wine32=$(runs_32bit "$root" wine)
if [ "$wine32" = yes ]; then
  cmake --build "$root/build/i686" --target view_pipeline >/dev/null
  targets+=(i686)
else
  echo
  echo "i686 under Wine: not measured, ${wine32#no: }"
fi
for target in "${targets[@]}"; do
  echo
  echo "$target under Wine:"
  wine "$root/build/$target/view_pipeline.exe" "$(winpath "$out/baseline.jpg")" "$(winpath "$out/oriented.jpg")" \
    "$(winpath "$out/progressive.jpg")" |
    tr -d '\r'
done
echo
walk=$(wine "$root/build/x86_64/bare_walk.exe" "$(winpath "$tree")" | tr -d '\r')
wine "$root/build/x86_64/gathering_bench.exe" "$(winpath "$tree")" "$(winpath "$out/bench.pvl")" "${walk%% *}" |
  iconv -f CP932 -t UTF-8 | tr -d '\r'
