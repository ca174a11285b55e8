#!/usr/bin/env bash
# Retakes the user's guide's pictures in docs/: the program runs on a display of its own
# (Xvfb), in a scratch Wine prefix and a scratch data folder (build/screenshots) with prepared
# files and options, is driven with xdotool and its windows are cut out with ImageMagick.
#   tools/screenshots.sh [picture ...]     default: every picture this script can take
# Pictures: clock options calendar. It needs the windows tree (built here when missing),
# xdotool, ImageMagick and python3 (which writes the clocks file).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

shots=("$@")
[ ${#shots[@]} -gt 0 ] || shots=(clock options calendar)

[ -f build/windows/CMakeCache.txt ] || cmake --preset windows
cmake --build --preset windows --target DovizClock
work=$root/build/screenshots
rm -rf "$work"
mkdir -p "$work/app"
x86_64-w64-mingw32-gcc -O1 -o "$work/WindowRect.exe" tools/screenshots/WindowRect.c

export DOVIZ_WINEPREFIX=$work/wineprefix
wine_run() { "$root/build/windows/wine-run.sh" "$@"; }

display=""
for n in $(seq 140 170); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "screenshots: no free display" >&2; exit 1; }
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
program=""
cleanup() {
  stop || true
  wine_run --stop || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
sleep 1

# The prefix, and the options as a new user has them.
wine_run --init
option() { wine_run reg add 'HKCU\SOFTWARE\Doviz\Clock\Options' /v "$1" /d "$2" /f >/dev/null 2>&1; }

# The clocks of the guide's first picture: local time, Berlin, New York in 12 hours and Tokyo in
# its own colour, with labels and dates; the trailer names each zone.
python3 - "$work/app/RoVudez.clk" <<'PY'
import struct, sys, zlib
def s(t): b = t.encode('cp1252'); return struct.pack('<i', len(b)) + b
faces = [(-1, 0, 'Local time', '', 0xC00000, 0xFFFFFF),
         (0, 0, 'Berlin', 'W. Europe Standard Time', 0xC00000, 0xFFFFFF),
         (0, 1, 'New York', 'Eastern Standard Time', 0xC00000, 0xFFFFFF),
         (0, 0, 'Tokyo', 'Tokyo Standard Time', 0x000080, 0x00FFFF)]
body = struct.pack('<i', len(faces))
for zone, ampm, label, key, color, font in faces:
    body += struct.pack('<iB', zone, ampm) + s(label) + s('Arial') + struct.pack('<iiBII', 8, 0, 1, color, font)
body += b'TZKN' + struct.pack('<i', len(faces)) + b''.join(s(f[3]) for f in faces)
open(sys.argv[1], 'wb').write(body + struct.pack('<I', zlib.crc32(body)))
PY
cp build/windows/DovizClock.exe "$work/app/"

rect() {  # the window of a class, "left top width height", waited for
  local r
  for _ in $(seq 100); do
    if r=$(wine_run "$work/WindowRect.exe" "$1" 2>/dev/null | tr -d '\r') && [ -n "$r" ]; then echo "$r"; return 0; fi
    sleep 0.2
  done
  echo "screenshots: no window $1" >&2
  return 1
}
shoot() {  # shoot CLASS PICTURE: the window as it is on screen
  local l t w h
  read -r l t w h < <(rect "$1")
  sleep 1
  import -display "$DISPLAY" -window root "$work/screen.png"
  convert "$work/screen.png" -crop "${w}x${h}+${l}+${t}" +repage +dither -colors 256 "docs/$2.png"
  echo "screenshots: docs/$2.png (${w}x${h})"
}
click() {  # click CLASS DX DY: a left click at that place inside the window
  local l t w h
  read -r l t w h < <(rect "$1")
  xdotool mousemove $((l + $2)) $((t + $3)) click 1
}
# Starts the program afresh with the given options (NAME=VALUE), the others as a new user has them.
start() {
  stop
  wine_run reg delete 'HKCU\SOFTWARE\Doviz\Clock' /f >/dev/null 2>&1 || true
  local o
  for o in "$@"; do option "${o%%=*}" "${o#*=}"; done
  wine_run "$work/app/DovizClock.exe" &
  program=$!
  rect TClockForm >/dev/null
  sleep 2
  # The caption band, to bring the clock forward: then it takes the keys.
  click TClockForm 40 8
  sleep 0.5
}
stop() {
  [ -n "$program" ] || return 0
  wine_run --stop
  wait "$program" 2>/dev/null || true
  program=""
}

for shot in "${shots[@]}"; do
  case $shot in
    clock)
      start ShowDate=1 ShowHint=1
      shoot TClockForm clock
      ;;
    options)
      start
      xdotool key ctrl+o
      shoot TOptForm options
      ;;
    calendar)
      start DblClickAction=4
      read -r l t _ < <(rect TClockForm)
      xdotool mousemove $((l + 40)) $((t + 8)) click --repeat 2 --delay 80 1
      shoot TCalendarForm calendar
      ;;
    *) echo "screenshots: no picture $shot" >&2; exit 2 ;;
  esac
done
