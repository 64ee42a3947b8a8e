# Sourced by the run script and the end-to-end tests: Wine with the Japanese
# code page, a prefix of our own, and a virtual screen when there is none.
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEDEBUG=-all
# No Mono or Gecko installer prompts when a prefix is made.
export WINEDLLOVERRIDES="mscoree,mshtml="

# Which Wine makes prefixes: with 32-bit Wine installed (Debian's loader
# for it is /usr/lib/wine/wine) or 64-bit alone.
wine_kind() { if [ -x /usr/lib/wine/wine ]; then echo "64 and 32"; else echo "64"; fi; }

# Makes the prefix at $WINEPREFIX unless it is there, made by this kind of
# Wine: a prefix made before 32-bit Wine was installed cannot start 32-bit
# programs.
ensure_prefix() {
  [ "$(cat "$WINEPREFIX/.tirvane-ready" 2>/dev/null)" = "$(wine_kind)" ] && return 0
  rm -rf "$WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")" "$HOME"
  wineboot -i >/dev/null 2>&1
  wineserver -w
  # Without a window manager, closing a window otherwise waits about 2 s.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  wineserver -w
  wine_kind > "$WINEPREFIX/.tirvane-ready"
}

# Starts Xvfb on a free display number; sets DISPLAY and XVFB_PID.
start_xvfb() {
  local n=90
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$n"
  for _ in $(seq 100); do
    [ -e "/tmp/.X11-unix/X$n" ] && return 0
    sleep 0.05
  done
  echo "Xvfb did not start" >&2
  return 1
}

# Ends every Wine process of this prefix.
stop_wine() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
}

# The Windows path of an absolute Linux path: drive Z: is the root.
winpath() { local p=$1; printf 'Z:%s' "${p//\//\\}"; }
