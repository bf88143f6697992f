#!/usr/bin/env bash
# Starts the window on a virtual X server, waits for it, and saves a picture
# of the whole screen. Usage: screenshot.sh BINARY OUT.png [SECONDS]
set -euo pipefail
bin=$1; out=$2; wait_s=${3:-3}
export QT_QPA_PLATFORM=xcb
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  "$0" & pid=$!
  for _ in $(seq 1 50); do
    xwininfo -root -tree 2>/dev/null | grep -q "KALIVO" && break
    sleep 0.2
  done
  sleep "$2"
  import -window root "$1"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
' "$bin" "$out" "$wait_s"
