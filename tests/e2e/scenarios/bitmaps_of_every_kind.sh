#!/usr/bin/env bash
# Bitmaps of every kind the format allows (1, 2, 4, 8, 16, 24 and 32 bits,
# RLE4 and RLE8, bit fields, rows top down, the OS/2 headers, colour tables
# shorter or longer than the depth) are read as the pixels they hold, and
# damaged ones (cut short, absurd sizes, unknown depths and compressions)
# are dropped; read as the program reads them, under this Wine. Then the
# program itself shows an 8-bit top-down one, in the view and as the
# wallpaper.
source "$(dirname "$0")/../lib.sh"
python3 "$TIRVANE_SOURCE/tests/e2e/material/bitmaps.py" "$WORK/bitmaps"
mkdir -p "$WORK/out"
files=()
while read -r name _; do files+=("$(winpath "$WORK/bitmaps/$name.bmp")"); done <"$WORK/bitmaps/expected.txt"
run_probe "$WORK/probe.txt" bitmap_probe.exe "$(winpath "$WORK/out")" "${files[@]}"

python3 - "$WORK" <<'PY'
import sys
work = sys.argv[1]
expected = open(f'{work}/bitmaps/expected.txt').read().splitlines()
results = open(f'{work}/probe.txt').read().replace('\r', '').splitlines()
problems = []
if len(results) != len(expected):
    problems.append(f'{len(results)} results for {len(expected)} files')
for n, (want, got) in enumerate(zip(expected, results)):
    name, *rest = want.split()
    if rest == ['refused']:
        if got != 'refused':
            problems.append(f'{name}: shown ({got}), should be dropped')
        continue
    width, height, tolerance, rgb = int(rest[0]), int(rest[1]), int(rest[2]), bytes.fromhex(rest[3])
    if got != f'shown {width} {height}':
        problems.append(f'{name}: {got}, should be shown {width} x {height}')
        continue
    bgrx = open(f'{work}/out/{n}.bgrx', 'rb').read()
    shown = bytes(c for i in range(0, len(bgrx), 4) for c in (bgrx[i + 2], bgrx[i + 1], bgrx[i]))
    wrong = [i // 3 for i in range(len(rgb)) if abs(shown[i] - rgb[i]) > tolerance]
    if wrong:
        i = wrong[0]
        problems.append(f'{name}: {len(set(wrong))} pixels differ, first ({i % width},{i // width}): '
                        f'{shown[3*i:3*i+3].hex()} for {rgb[3*i:3*i+3].hex()}')
    else:
        print(f'ok: {name} shows its pixels')
for p in problems:
    print('FAIL:', p)
sys.exit(1 if problems else 0)
PY
echo "ok: damaged bitmaps are dropped"

# The program itself makes an 8-bit top-down bitmap the wallpaper.
mkdir -p "$WINEPREFIX/drive_c/pics8"
cp "$WORK/bitmaps/pal8_topdown.bmp" "$WINEPREFIX/drive_c/pics8/top.bmp"
rm -f "$DATA_DIR/壁紙.bmp"
drive run-exact "\"$(winpath "$EXE")\" C:\\pics8\\top.bmp"
check "the wallpaper shows the top-down picture's colours, top row at the top" "top left black, top right red, bottom left blue" \
  "$(python3 - "$DATA_DIR/壁紙.bmp" <<'PY'
import struct, sys
data = open(sys.argv[1], 'rb').read()
offset, width, height = struct.unpack_from('<I', data, 10)[0], *struct.unpack_from('<ii', data, 18)
pixel = lambda x, y: data[offset + 4 * (x + width * (height - 1 - y)):][:3]  # rows bottom up
name = lambda p: {b'\0\0\0': 'black', b'\xff\0\0': 'blue', b'\0\0\xff': 'red'}.get(p, p.hex())
print(f'top left {name(pixel(0, 0))}, top right {name(pixel(width - 1, 0))}, bottom left {name(pixel(0, height - 1))}')
PY
)"
