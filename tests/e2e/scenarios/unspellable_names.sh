#!/usr/bin/env bash
# Pictures whose names the Japanese code page cannot spell (café, a¥b, 한글,
# an emoji) are listed by their short names, never by a best-fit guess, and
# shown: through the folder route, Open, a drop and Send To's command line.
# a¥b.jpg never names a\b.jpg, a picture of its own beside it.
source "$(dirname "$0")/../lib.sh"

dir=$WORK/six
mkdir -p "$dir/a"
names=(café.jpg a¥b.jpg 한글.jpg emoji😀.jpg plain.jpg 表示.jpg)
# Each picture's width tells which file the view read: 101 to 106 pixels.
for i in "${!names[@]}"; do
  LC_ALL=C convert -size "$((101 + i))x50" xc:'#d01010' "$dir/${names[$i]}"
done
LC_ALL=C convert -size 640x480 xc:'#1010d0' "$dir/a/b.jpg"  # what the best-fit a\b.jpg names
F=$(winpath "$dir")
mkdir -p "$DATA_DIR"
trace_calls user32.MessageBeep
exe=$(winpath "$EXE")

# shows_all_six HOW DECOYS: each of the six entries (and DECOYS times the
# picture a\b.jpg of its own) is shown in turn with no beep.
shows_all_six() {
  local how=$1 decoys=$2 entries sizes=() count
  entries=$(drive entries)
  count=$(wc -l <<<"$entries")
  if grep -q '[?]' <<<"$entries"; then fail "$how: an entry holds a ?: $entries"; fi
  if grep -qiF 'cafe.jpg' <<<"$entries"; then fail "$how: café.jpg became cafe.jpg"; fi
  check "$how: a\\b.jpg is listed only for itself" "$decoys" "$(grep -cxF "$F\\a\\b.jpg" <<<"$entries" || true)"
  drive keys home
  for _ in $(seq "$count"); do
    sizes+=("$(drive caption | grep -o '([0-9]*x[0-9]*)' | head -n 1)")
    drive keys down
  done
  check "$how: every entry is shown, none dropped" "0 $count" "$(beeps) $(drive entries | wc -l)"
  check "$how: the six pictures, each once" "(101x50) (102x50) (103x50) (104x50) (105x50) (106x50)" \
    "$(printf '%s\n' "${sizes[@]}" | grep -v '(640x480)' | sort | xargs)"
}

start "$F"
shows_all_six "the folder route" 1
drive close
drive gone

rm -f "$WORK"/新規*  # the list the last run saved
start
calls_from_now
for name in "${names[@]}"; do
  drive keys ctrl+o
  drive dialog-accept "$F\\$name"
done
drive keys ctrl+o
drive dialog-accept "$F\\café.jpg"
check "Open lists each once: café.jpg opened again is found" "6" "$(drive entries | wc -l)"
shows_all_six "Open" 0
drive close
drive gone

rm -f "$WORK"/新規*  # the list the last run saved
start
calls_from_now
drive drop "${names[@]/#/$F\\}"
shows_all_six "a drop" 0
drive close
drive gone

# Send To passes the real path; the picture becomes the wallpaper.
wallpaper=$DATA_DIR/壁紙.bmp
for name in a¥b.jpg 한글.jpg; do
  rm -f "$wallpaper"
  drive run-exact "\"$exe\" \"\" \"$F\\$name\""
  [ -f "$wallpaper" ] || fail "Send To with $name set no wallpaper"
  check "Send To with $name makes that picture the wallpaper, not another" "red" \
    "$(LC_ALL=C convert "$wallpaper" -format '%[fx:p{0,0}.r>0.6 && p{0,0}.b<0.3 ? 1 : 0]' info: | sed 's/1/red/;s/0/other/')"
done
