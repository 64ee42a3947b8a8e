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
cmake --build "$root/build/bench-native" --target view_pipeline >/dev/null
"$root/build/bench-native/view_pipeline" "$out/baseline.jpg" "$out/progressive.jpg"
