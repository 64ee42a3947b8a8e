#!/usr/bin/env bash
# Draws sample pictures (JPEG and BMP of several sizes) into the folder given.
set -euo pipefail
out=$1
[ -f "$out/.done" ] && exit 0
mkdir -p "$out"
convert=/usr/bin/convert

scene() {  # size sky ground file
  local size=$1 w=${1%x*} h=${1#*x}
  $convert -size "$size" "gradient:$2-white" \
    -fill "$3" -draw "ellipse $((w / 3)),$h $((w / 2)),$((h * 2 / 5)) 180,360" \
    -fill "$4" -draw "ellipse $((w * 3 / 4)),$h $((w / 2)),$((h / 4)) 180,360" \
    -fill gold -draw "circle $((w * 4 / 5)),$((h / 5)) $((w * 4 / 5 + h / 12)),$((h / 5))" \
    -type TrueColor "$5"
}

scene 1600x1200 '#3060c0' '#2f8f3f' '#1f6f2f' "$out/丘と太陽.jpg"
scene 800x600 '#e07020' '#705020' '#503010' "$out/sunset.jpg"
scene 200x123 '#204080' '#408040' '#306030' "$out/small.jpg"
scene 640x480 '#80c0ff' '#c0a060' '#a08040' "BMP3:$out/desert.bmp"
scene 100x50 '#5050a0' '#50a050' '#308030' "BMP3:$out/表紙.bmp"
scene 480x900 '#102040' '#406080' '#204060' "$out/portrait.jpg"
touch "$out/.done"
