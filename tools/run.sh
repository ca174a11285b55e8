#!/usr/bin/env bash
# Builds DovizClock.exe and starts it under Wine: on your X display when there is one,
# otherwise on a virtual display that this script starts (its number is printed).
set -euo pipefail
cd "$(dirname "$0")/.."

[ -f build/windows/CMakeCache.txt ] || cmake --preset windows
cmake --build --preset windows --target DovizClock

if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 90 120); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
      Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
      export DISPLAY=":$n"
      sleep 1
      echo "run: started a virtual display on $DISPLAY (take a look: import -display $DISPLAY -window root shot.png)"
      break
    fi
  done
fi
exec build/windows/wine-run.sh build/windows/DovizClock.exe
