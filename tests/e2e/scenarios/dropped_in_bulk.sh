#!/usr/bin/env bash
# A drop of 500 pictures lists them all in the shell's order and shows the
# first once, at the end, not once per picture. A drop in the middle of a
# folder scan runs to its end there, and the scan goes on after it; the
# scan's own drop then shows the first picture it added.
source "$(dirname "$0")/../lib.sh"

mkdir -p "$WORK/many" "$DATA_DIR"
: > "$WORK/many.txt"
for i in $(seq -w 1 500); do
  cp "$SAMPLES/small.jpg" "$WORK/many/p$i.jpg"
  echo "$(winpath "$WORK/many/p$i.jpg")" >> "$WORK/many.txt"
done
trace_calls user32.SetWindowTextA
position() { drive caption | grep -o '([0-9]*/[0-9]*)$'; }
shown() { drive caption | sed 's/ ([0-9]*x[0-9]*)x[0-9.E-]*(/ (/'; }

start
calls_from_now
drive drop "@$(winpath "$WORK/many.txt")"
check "500 pictures are listed in the order dropped" "$(tr -d '\r' < "$WORK/many.txt")" "$(drive entries)"
check "the first is shown" "(1/500)" "$(position)"
check "the caption is set twice: the count, then the picture" "2" "$(calls user32.SetWindowTextA)"
drive close
drive gone

# The second drop is waiting when the first one's scan handles messages
# for the first time, so it runs there, before the scan lists a thing.
for i in $(seq -w 1 300); do mkdir -p "$WORK/tree/f$i" && cp "$SAMPLES/small.jpg" "$WORK/tree/f$i/p.jpg"; done
cp "$SAMPLES/sunset.jpg" "$WORK/dropped.jpg"
rm "$WORK/新規"
unset PROGRAM_WINEDEBUG  # a traced program scans ten times slower
start
drive drop "$(winpath "$WORK/tree")" -- "$(winpath "$WORK/dropped.jpg")"
check_eventually "the scan's end, the first picture of the folder shown" "[新規]$(winpath "$WORK/tree/f001/p.jpg") (2/301)" \
  shown
check "the drop in the middle of the scan lands where the list had grown to, the scan goes on after it" \
  "$(winpath "$WORK/dropped.jpg")
$(for i in $(seq -w 1 300); do winpath "$WORK/tree/f$i/p.jpg"; echo; done)" "$(drive entries)"
drive close
drive gone
