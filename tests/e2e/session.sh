#!/usr/bin/env bash
# Starts (a fresh Wine prefix, a virtual screen) or stops the end-to-end session.
set -euo pipefail
source "$TIRVANE_SOURCE/scripts/wine-env.sh"
env_file=$TIRVANE_E2E/session.env
export WINEPREFIX=$TIRVANE_E2E/prefix HOME=$TIRVANE_E2E/home

case $1 in
  start)
    if [ -f "$env_file" ]; then
      source "$env_file"
      stop_wine
      kill "$XVFB_PID" 2>/dev/null || true
    fi
    rm -rf "$TIRVANE_E2E"
    mkdir -p "$TIRVANE_E2E" "$HOME"
    ensure_prefix
    start_xvfb
    printf 'export DISPLAY=%s XVFB_PID=%s WINEPREFIX=%q HOME=%q\n' "$DISPLAY" "$XVFB_PID" "$WINEPREFIX" "$HOME" > "$env_file"
    ;;
  stop)
    [ -f "$env_file" ] || exit 0
    source "$env_file"
    stop_wine
    kill "$XVFB_PID" 2>/dev/null || true
    rm -f "$env_file"
    ;;
esac
