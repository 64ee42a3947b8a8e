# Sourced by set-up: the one way it talks to apt. What set-up reads of apt's
# output it reads in the C locale (apt translates its messages once the
# Japanese locale exists); an install that set-up cannot do without shows
# apt's own text, in the user's locale.

APT_TRIES=${APT_TRIES:-3}
APT_PAUSE=${APT_PAUSE:-10}
export DEBIAN_FRONTEND=noninteractive

# The indexes an `apt-get update` log says failed, one line each: the index
# apt names on its "Err:" line and the reason on the line after it. Where
# apt failed without naming an index (a lock, a broken sources file), its
# error lines.
apt_failed_indexes() {  # log
  local found
  found=$(LC_ALL=C awk '
    /^Err:[0-9]+ / { sub(/^Err:[0-9]+ /, ""); index_name = $0; next }
    index_name != "" {
      reason = $0
      sub(/^ +/, "", reason)
      sub(/ *\[IP: [^]]*\]$/, "", reason)
      print index_name ": " reason
      index_name = ""
    }' "$1")
  if [ -z "$found" ]; then
    found=$(LC_ALL=C sed -n 's/^E: //p' "$1")
  fi
  printf '%s\n' "${found:-apt-get update failed without saying why}"
}

# Refreshes the package indexes, up to APT_TRIES times with a pause between
# (a mirror in the middle of a sync serves an index of the wrong size for a
# few minutes). An index that still fails is a warning naming it: apt-get
# install then decides with the indexes that did arrive.
apt_update() {
  local log try status
  log=$(mktemp)
  for try in $(seq "$APT_TRIES"); do
    status=0
    LC_ALL=C apt-get update -q >"$log" 2>&1 || status=$?
    if [ $status -eq 0 ]; then
      rm -f "$log"
      return 0
    fi
    if [ "$try" -lt "$APT_TRIES" ]; then
      echo "setup: apt-get update failed (try $try of $APT_TRIES); trying again in $APT_PAUSE s"
      sleep "$APT_PAUSE"
    fi
  done
  while IFS= read -r line; do
    echo "setup: warning: not updated: $line"
  done < <(apt_failed_indexes "$log")
  rm -f "$log"
  return 0
}

# Installs packages that set-up cannot do without: apt's own output and
# error, and set-up ends where apt fails.
apt_install() {  # package...
  apt-get install -y -q --no-install-recommends "$@"
}

# The one line of an `apt-get install` log that says why it failed: the
# first unmet dependency, else apt's first error.
apt_install_reason() {  # log status
  local reason
  reason=$(LC_ALL=C sed -n 's/^ *\([^ ][^ ]* : [A-Za-z-]*: .*\)$/\1/p' "$1" | head -n 1)
  [ -n "$reason" ] || reason=$(LC_ALL=C sed -n 's/^E: //p' "$1" | head -n 1)
  printf '%s\n' "${reason:-apt-get install exited with status $2}"
}

# Installs packages that set-up can do without. Its output goes to LOG; on
# failure the reason is in APT_REASON and the status is apt's.
apt_try_install() {  # log package...
  local log=$1 status=0
  shift
  LC_ALL=C apt-get install -y -q --no-install-recommends "$@" >"$log" 2>&1 || status=$?
  APT_REASON=
  [ $status -eq 0 ] || APT_REASON=$(apt_install_reason "$log" $status)
  return $status
}
