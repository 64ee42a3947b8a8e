# Sourced by every scenario: the session's Wine, a fresh work folder (the
# program's current folder), no settings left from an earlier scenario, and
# helpers to start, drive and check the program.
set -euo pipefail

# TIRVANE_TARGET is the program under test: x86_64 or i686. The 32-bit one
# needs 32-bit Wine, which set-up installs where it can and otherwise says
# why not.
if [ "$TIRVANE_TARGET" = i686 ]; then
  source "$TIRVANE_SOURCE/scripts/runs-32bit.sh"
  wine32=$(runs_32bit "$TIRVANE_SOURCE" wine)
  [ "$wine32" = yes ] || { echo "skipped: ${wine32#no: }"; exit 77; }
fi
source "$TIRVANE_SOURCE/scripts/wine-env.sh"
source "$TIRVANE_E2E/session.env"

SCENARIO=$(basename "$0" .sh)
WORK=$TIRVANE_E2E/runs/$TIRVANE_TARGET.$SCENARIO
EXE=$TIRVANE_EXE_DIR/Tirvane.exe
DRIVER=$TIRVANE_EXE_DIR/tvdriver.exe
USER_DIR=$WINEPREFIX/drive_c/users/$(id -un)
DATA_DIR=$USER_DIR/AppData/Roaming/Microsoft/Windows/Tirvane
INI=$DATA_DIR/Tirvane.ini
SAMPLES=$TIRVANE_SOURCE/build/samples

rm -rf "$WORK" "$DATA_DIR"
mkdir -p "$WORK"

# A failure reports the windows and processes of the moment and the end of
# what Wine printed, then ends whatever the scenario left running, so the
# next one starts clean.
on_exit() {
  local status=$?
  if [ $status -ne 0 ]; then
    if [ $status -ne 77 ]; then
      {
        echo "--- windows and processes at the failure"
        timeout 20 wine "$DRIVER" windows 2>&1 | iconv -f CP932 -t UTF-8 | tr -d '\r' || true
        echo "--- the end of wine.log"
        tail -n 20 "$WORK/wine.log" 2>/dev/null || true
      } >&2
    fi
    stop_wine
  fi
  exit $status
}
trap on_exit EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# keep_wine: one process of ours stays on Wine's desktop for the session.
# Without one, Wine shuts its desktop and services down about a second
# after the last program ends, and a program started during that shutdown
# may never show its window.
keep_wine() {
  local pid_file=$TIRVANE_E2E/keeper.pid log=$TIRVANE_E2E/keeper.log
  local state=
  [ -f "$pid_file" ] && read -r _ _ state _ < "/proc/$(cat "$pid_file")/stat" 2>/dev/null || true
  [ -n "$state" ] && [ "$state" != Z ] && return 0  # alive, not a zombie waiting to be reaped
  wine "$DRIVER" hold "$(winpath "$TIRVANE_E2E/session.env")" >"$log" 2>&1 </dev/null &
  echo $! > "$pid_file"
  wait_until "Wine's desktop held" grep -qs holding "$log"
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

# run_probe OUTPUT PROGRAM ARGUMENTS...: runs a test program of the build
# under Wine, its output into OUTPUT; fails when it ends with a status.
run_probe() {
  local out=$1 program=$2 status=0
  shift 2
  wine "$TIRVANE_EXE_DIR/$program" "$@" >"$out" 2>>"$WORK/wine.log" </dev/null || status=$?
  [ $status -eq 0 ] || fail "$program ended with status $status"
}

# start [EXE] ARGUMENTS...: starts the program in the work folder and waits
# for its window and for what it does on being shown.
# As with the driver (see drive), a loaded machine's Wine now and then ends
# the program with status 1 before it runs: a program that ended so without
# showing its window is started once more.
start() {
  local exe=$EXE ended=$WORK/.program-ended attempt status
  if [ $# -gt 0 ] && [[ $1 == *.exe ]]; then exe=$1; shift; fi
  keep_wine
  for attempt in 1 2; do
    rm -f "$ended"
    status=0
    (cd "$WORK" && { WINEDEBUG=${PROGRAM_WINEDEBUG:-$WINEDEBUG} wine "$exe" "$@" || status=$?; echo "$status" >"$ended"; } \
      >>"$WORK/wine.log" 2>&1 </dev/null &)
    drive wait && return 0
    status=$(cat "$ended" 2>/dev/null || echo "none: still running")
    [ "$status" = 1 ] && [ $attempt -eq 1 ] || break
    echo "start: Wine ended the program with status 1 before it showed its window; starting it again" >&2
  done
  fail "the program showed no window (its exit status: $status)"
}

# trace_calls FUNCTION...: the programs started from now on have each call
# of these functions (as dll.Name) traced by Wine into wine.log, where calls
# counts them. The trace is written inside the call, so a verb that
# returned has its calls counted.
trace_calls() {
  local IFS=';'
  wine reg add 'HKCU\Software\Wine\Debug' /v RelayInclude /t REG_SZ /d "$*" /f \
    >>"$WORK/wine.log" 2>&1 </dev/null
  PROGRAM_WINEDEBUG=+relay
}
# calls FUNCTION: how often it was called since calls_from_now (or since
# the scenario began).
calls() { tail -c +$((${CALLS_FROM:-0} + 1)) "$WORK/wine.log" | LC_ALL=C grep -ac "Call ${1//./\\.}(" || true; }
calls_from_now() { CALLS_FROM=$(stat -c %s "$WORK/wine.log"); }
beeps() { calls user32.MessageBeep; }

# drive VERB ARGUMENTS...: the driver's output in UTF-8, without CR.
# A loaded machine's Wine now and then ends a process it was asked to start
# with status 1 before the process runs at all. The driver marks its start;
# a run that never started did nothing, and is started once more.
# Every Wine process that scenarios start writes to files, never to the
# test's own output: a Wine service or server it starts inherits those and
# may outlive the scenario, and ctest waits for the output to close.
drive() {
  local marker=$WORK/.driver-started out=$WORK/.driver-out err=$WORK/.driver-err status attempt
  for attempt in 1 2; do
    rm -f "$marker"
    status=0
    TVDRIVER_STARTED=$(winpath "$marker") wine "$DRIVER" "$@" >"$out" 2>"$err" </dev/null || status=$?
    [ $status -ne 0 ] && [ ! -e "$marker" ] && [ $attempt -eq 1 ] || break
    echo "drive $*: Wine ended the driver with status $status before it started; starting it again" >&2
  done
  iconv -f CP932 -t UTF-8 "$err" | tr -d '\r' >&2 || true
  iconv -f CP932 -t UTF-8 "$out" | tr -d '\r' || { echo "drive $*: its output is not Shift-JIS" >&2; return 1; }
  if [ $status -ne 0 ]; then
    echo "drive $*: the driver ended with status $status" >&2
    return 1
  fi
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

# colour_at SCREENSHOT X Y: red, blue, or the pixel's red, green and blue
# values, at a point of a screenshot.
colour_at() {
  LC_ALL=C convert "$1" -format "%[fx:int(255*p{$2,$3}.r)] %[fx:int(255*p{$2,$3}.g)] %[fx:int(255*p{$2,$3}.b)]" info: |
    awk '{ print ($1 > 200 && $2 < 60 && $3 < 60) ? "red" : ($3 > 200 && $1 < 60 && $2 < 60) ? "blue" : $0 }'
}

# put_picture C:\PATH [SAMPLE]: a sample picture (sunset.jpg, 800 x 600,
# unless named) at that path of drive C:.
put_picture() {
  local target=${1#C:\\}
  target=$WINEPREFIX/drive_c/${target//\\//}
  mkdir -p "$(dirname "$target")"
  cp "$SAMPLES/${2:-sunset.jpg}" "$target"
}

keep_wine
