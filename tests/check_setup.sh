#!/usr/bin/env bash
# Set-up's talk with apt and the runner of 32-bit code, against a stand-in
# apt-get and qemu-i386 on PATH that answer as the real ones did on a mirror
# in the middle of a sync, with a suite that does not exist, and with i386
# packages that cannot be had.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin" "$work/repo/build/deps"

# The stand-in apt-get: each call is logged with its locale; `update`
# answers with the next of the numbered answers in $work/update.N (status
# on the first line, output after it), the last one again once they run out.
cat > "$work/bin/apt-get" <<'SH'
#!/usr/bin/env bash
work=$(dirname "$(dirname "$0")")
echo "$1 LC_ALL=${LC_ALL:-}" >> "$work/calls"
n=$(grep -c "^$1 " "$work/calls")
answer=$work/$1.$n
[ -f "$answer" ] || answer=$(ls "$work/$1".* | sort -t. -k2 -n | tail -n 1)
tail -n +2 "$answer"
exit "$(head -n 1 "$answer")"
SH
cat > "$work/bin/qemu-i386" <<'SH'
#!/usr/bin/env bash
echo "qemu-i386 $*"
SH
chmod +x "$work/bin/apt-get" "$work/bin/qemu-i386"
export PATH=$work/bin:$PATH APT_PAUSE=0
source "$root/scripts/apt.sh"
source "$root/scripts/runs-32bit.sh"

failures=0
check() {  # what expected actual
  if [ "$2" == "$3" ]; then
    echo "ok: $1"
  else
    printf 'FAIL: %s\n  expected: %s\n  actual:   %s\n' "$1" "$2" "$3"
    failures=$((failures + 1))
  fi
}
answer() {  # file status [line...]
  local file=$work/$1 status=$2
  shift 2
  printf '%s\n' "$status" "$@" > "$file"
}
reset() { rm -f "$work"/calls "$work"/update.* "$work"/install.*; }

mirror_sync=(
  'Hit:1 http://deb.debian.org/debian bookworm InRelease'
  'Err:6 http://deb.debian.org/debian-security bookworm-security/main i386 Packages'
  '  File has unexpected size (374820 != 376004). Mirror sync in progress? [IP: 192.0.2.1 80]'
  'E: Failed to fetch http://deb.debian.org/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress? [IP: 192.0.2.1 80]'
  '   Hashes of expected file:'
  'E: Some index files failed to download. They have been ignored, or old ones used instead.'
)

reset
answer update.1 100 "${mirror_sync[@]}"
answer update.2 100 "${mirror_sync[@]}"
answer update.3 0 'Hit:1 http://deb.debian.org/debian bookworm InRelease'
out=$(apt_update)
check "a mirror that settles on the third try: three updates" 3 "$(grep -c '^update ' "$work/calls")"
check "... and no warning" "" "$(grep warning <<<"$out" || true)"
check "... every one read in the C locale" "update LC_ALL=C" "$(sort -u "$work/calls")"

reset
answer update.1 100 "${mirror_sync[@]}"
status=0
out=$(apt_update) || status=$?
check "an index that never arrives: three tries, then set-up goes on" "3 0" "$(grep -c '^update ' "$work/calls") $status"
check "... with a warning naming the index and apt's reason" \
  "setup: warning: not updated: http://deb.debian.org/debian-security bookworm-security/main i386 Packages: File has unexpected size (374820 != 376004). Mirror sync in progress?" \
  "$(grep warning <<<"$out")"

reset
answer update.1 100 \
  'Ign:4 http://deb.debian.org/debian nosuch InRelease' \
  'Err:5 http://deb.debian.org/debian nosuch Release' \
  '  404  Not Found [IP: 192.0.2.1 80]' \
  "E: The repository 'http://deb.debian.org/debian nosuch Release' does not have a Release file." \
  'N: Updating from such a repository cannot be done securely, and is therefore disabled by default.'
check "a suite that does not exist is named" \
  "setup: warning: not updated: http://deb.debian.org/debian nosuch Release: 404  Not Found" \
  "$(apt_update | grep warning)"

reset
answer update.1 100 'E: Could not get lock /var/lib/apt/lists/lock. It is held by process 4242 (apt-get)'
check "a failure that names no index shows apt's error" \
  "setup: warning: not updated: Could not get lock /var/lib/apt/lists/lock. It is held by process 4242 (apt-get)" \
  "$(apt_update | grep warning)"

reset
answer install.1 100 \
  'Some packages could not be installed. This may mean that you have' \
  'The following packages have unmet dependencies:' \
  ' libc6-dev:i386 : Depends: linux-libc-dev:i386 but it is not going to be installed' \
  ' wine32:i386 : Depends: libwine:i386 (= 8.0~repack-4) but it is not going to be installed' \
  '               Depends: zlib1g:i386 but it is not going to be installed' \
  'E: Unable to correct problems, you have held broken packages.'
status=0
apt_try_install "$work/install.log" wine32:i386 g++-multilib || status=$?
check "an optional install that apt refuses: its status and the first unmet dependency" \
  "100 libc6-dev:i386 : Depends: linux-libc-dev:i386 but it is not going to be installed" "$status $APT_REASON"
check "... asked in the C locale, its output kept" "install LC_ALL=C yes" \
  "$(cat "$work/calls") $(grep -q 'held broken packages' "$work/install.log" && echo yes)"

reset
answer install.1 100 'E: Failed to fetch http://deb.debian.org/debian/pool/main/w/wine/libwine_8.0_i386.deb  404  Not Found'
status=0
apt_try_install "$work/install.log" wine32:i386 || status=$?
check "a download that fails gives apt's first error" \
  "100 Failed to fetch http://deb.debian.org/debian/pool/main/w/wine/libwine_8.0_i386.deb  404  Not Found" \
  "$status $APT_REASON"

state=$work/repo/build/deps/runs-32bit
check "before set-up, nothing 32-bit runs, and it says so" "no: set-up has not run" "$(runs_32bit "$work/repo" wine)"
printf 'linux: no: this machine runs no 32-bit x86 code\nwine: no: apt-get could not install wine32:i386: E\n' > "$state"
status=0
out=$(run_32bit "$work/repo" echo ran) || status=$?
check "where neither the kernel nor qemu runs it, a skip with the reason" \
  "77 skipped: this machine runs no 32-bit x86 code" "$status $out"
check "the Wine line keeps apt's reason" "no: apt-get could not install wine32:i386: E" "$(runs_32bit "$work/repo" wine)"
printf 'linux: qemu\nwine: no: this machine runs no 32-bit x86 code\n' > "$state"
check "under qemu the program runs through qemu-i386" "qemu-i386 -R 0xbf000000 /x/unit_tests --gtest_brief=1" \
  "$(run_32bit "$work/repo" /x/unit_tests --gtest_brief=1)"
printf 'linux: kernel\nwine: yes\n' > "$state"
status=0
out=$(run_32bit "$work/repo" bash -c 'echo native; exit 3') || status=$?
check "where the kernel runs it, as it is, with its own status" "3 native" "$status $out"

[ $failures -eq 0 ] || { echo "$failures failed"; exit 1; }
