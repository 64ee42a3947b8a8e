# Sourced by every scenario: the session's Wine, a fresh work folder (the
# program's current folder), no settings left from an earlier scenario, and
# helpers to start, drive and check the program.
set -euo pipefail
source "$TIRVANE_SOURCE/scripts/wine-env.sh"
source "$TIRVANE_E2E/session.env"

SCENARIO=$(basename "$0" .sh)
WORK=$TIRVANE_E2E/runs/$SCENARIO
EXE=$TIRVANE_EXE_DIR/Tirvane.exe
DRIVER=$TIRVANE_EXE_DIR/tvdriver.exe
USER_DIR=$WINEPREFIX/drive_c/users/$(id -un)
DATA_DIR=$USER_DIR/AppData/Roaming/Microsoft/Windows/Tirvane
INI=$DATA_DIR/Tirvane.ini
SAMPLES=$TIRVANE_SOURCE/build/samples

rm -rf "$WORK" "$DATA_DIR"
mkdir -p "$WORK"

# Ends whatever the scenario left running, so the next one starts clean.
trap 'status=$?; if [ $status -ne 0 ]; then stop_wine; fi; exit $status' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# check WHAT EXPECTED ACTUAL
check() {
  if [ "$2" != "$3" ]; then
    printf 'FAIL: %s\n  expected: %s\n  actual:   %s\n' "$1" "$2" "$3" >&2
    exit 1
  fi
  echo "ok: $1"
}

# Compares two files byte for byte.
check_same_bytes() {
  cmp "$2" "$3" >/dev/null 2>&1 || { echo "FAIL: $1" >&2; xxd "$2" | head >&2; echo --- >&2; xxd "$3" | head >&2; exit 1; }
  echo "ok: $1"
}

# Effects that come about on their own time (the end of a scan, a repaint,
# another process's step) are polled for, up to this many seconds.
EFFECT_WAIT=30

# wait_until WHAT COMMAND...: polls until COMMAND succeeds.
wait_until() {
  local what=$1 deadline=$((SECONDS + EFFECT_WAIT))
  shift
  until "$@"; do
    [ $SECONDS -lt $deadline ] || fail "waited ${EFFECT_WAIT} s for $what"
    sleep 0.1
  done
}

# check_eventually WHAT EXPECTED COMMAND...: like check, for a value that
# comes about on its own time: polls COMMAND's output until it is EXPECTED.
check_eventually() {
  local what=$1 expected=$2 actual deadline=$((SECONDS + EFFECT_WAIT))
  shift 2
  until actual=$("$@"); [ "$actual" == "$expected" ]; do
    [ $SECONDS -lt $deadline ] || check "$what (after ${EFFECT_WAIT} s)" "$expected" "$actual"
    sleep 0.1
  done
  echo "ok: $what"
}

# check_same_bytes_eventually WHAT EXPECTED-FILE FILE: like check_same_bytes,
# for a file that another process writes.
check_same_bytes_eventually() {
  local deadline=$((SECONDS + EFFECT_WAIT))
  until cmp "$2" "$3" >/dev/null 2>&1; do
    [ $SECONDS -lt $deadline ] || check_same_bytes "$1 (after ${EFFECT_WAIT} s)" "$2" "$3"
    sleep 0.1
  done
  echo "ok: $1"
}

# start [EXE] ARGUMENTS...: starts the program in the work folder and waits
# for its window and for what it does on being shown.
start() {
  local exe=$EXE
  if [ $# -gt 0 ] && [[ $1 == *.exe ]]; then exe=$1; shift; fi
  (cd "$WORK" && exec wine "$exe" "$@" >>"$WORK/wine.log" 2>&1 &)
  drive wait
}

# drive VERB ARGUMENTS...: the driver's output in UTF-8, without CR.
drive() {
  wine "$DRIVER" "$@" | iconv -f CP932 -t UTF-8 | tr -d '\r'
}

# Writes UTF-8 text (printf format and arguments) as a Shift-JIS file.
write_sjis() {
  local file=$1
  shift
  # shellcheck disable=SC2059
  printf "$@" | iconv -f UTF-8 -t CP932 > "$file"
}

# The settings file as UTF-8 text without CR.
settings() { iconv -f CP932 -t UTF-8 "$INI" | tr -d '\r'; }

# One key's value in the settings file.
setting() { settings | sed -n "s/^$1=//p"; }

# put_picture C:\PATH [SAMPLE]: a sample picture (sunset.jpg, 800 x 600,
# unless named) at that path of drive C:.
put_picture() {
  local target=${1#C:\\}
  target=$WINEPREFIX/drive_c/${target//\\//}
  mkdir -p "$(dirname "$target")"
  cp "$SAMPLES/${2:-sunset.jpg}" "$target"
}
