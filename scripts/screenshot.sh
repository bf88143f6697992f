#!/usr/bin/env bash
# Starts the window on a virtual X server, waits for it, and saves a picture
# of the whole screen. Usage: screenshot.sh BINARY OUT.png [SECONDS]
set -euo pipefail
bin=$1; out=$2; wait_s=${3:-3}
export QT_QPA_PLATFORM=xcb
rm -f "$out"
# A virtual server that another process is just giving up can refuse the
# first connection; try a few times before calling it a failure.
for attempt in 1 2 3; do
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  "$0" & pid=$!
  shown=0
  for _ in $(seq 1 50); do
    if xwininfo -root -tree 2>/dev/null | grep -q "KALIVO"; then shown=1; break; fi
    sleep 0.2
  done
  # Only a window that really appeared counts.
  [ "$shown" = 1 ] && sleep "$2" && import -window root "$1"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
' "$bin" "$out" "$wait_s" || true
  [ -s "$out" ] && exit 0
  echo "screenshot: attempt $attempt failed" >&2
  sleep 1
done
exit 1
