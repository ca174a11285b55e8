#!/usr/bin/env bash
# Idle cost of DovizClock.exe beside the floor program (one borderless top-most window, one
# one-second timer, N time texts drawn each tick), both under one Wine and one display:
#   bench/idle/idle_cost.sh [N] [ALARMS]        (defaults: 10 clocks, 1000 alarms)
# Prints each program's start (launch to first painted face), its CPU seconds over SPAN seconds
# after SETTLE seconds (environment, defaults 60 and 20), its private memory, and the ratios.
set -euo pipefail
cd "$(dirname "$0")/../.."

N="${1:-10}"
ALARMS="${2:-1000}"
SETTLE="${SETTLE:-20}"
SPAN="${SPAN:-60}"

[ -f build/windows/CMakeCache.txt ] || cmake --preset windows >/dev/null
cmake --build --preset windows --target DovizClock doviz_floor doviz_start_probe doviz_idle_data >/dev/null

run="$PWD/build/windows/idle"
rm -rf "$run"
mkdir -p "$run"
cp build/windows/DovizClock.exe build/windows/bench/idle/doviz_*.exe "$run/"
# A prefix of its own, so the options and the position are the first start's.
export DOVIZ_WINEPREFIX="$PWD/build/windows/idleprefix"
wine_run="$PWD/build/windows/wine-run.sh"

display=""
for n in $(seq 150 199); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY="$display"
cleanup() {
  "$wine_run" --stop
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
sleep 1

folder="$("$wine_run" winepath -w "$run" 2>/dev/null | tr -d '\r')"
"$wine_run" "$run/doviz_idle_data.exe" "$folder" "$N" "$ALARMS"

# Into files, not pipes: the started programs inherit the probe's output and keep it open.
"$wine_run" "$run/doviz_start_probe.exe" TFloorClock "$folder\\doviz_floor.exe" "$N" >"$run/start_floor.txt"
"$wine_run" "$run/doviz_start_probe.exe" TClockForm "$folder\\DovizClock.exe" >"$run/start_clock.txt"
start_floor="$(tr -d '\r' <"$run/start_floor.txt")"
start_clock="$(tr -d '\r' <"$run/start_clock.txt")"

pid_of() {
  for p in $(pgrep -f "$1"); do
    grep -qa "doviz_start_probe" "/proc/$p/cmdline" || { echo "$p"; return; }
  done
}
pid_floor="$(pid_of 'doviz_floor\.exe')"
pid_clock="$(pid_of 'DovizClock\.exe')"
[ -n "$pid_floor" ] && [ -n "$pid_clock" ] || { echo "idle: a program did not start" >&2; exit 1; }

ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
private_kib() { awk '/^Private_(Clean|Dirty):/ { s += $2 } END { print s }' "/proc/$1/smaps_rollup"; }

sleep "$SETTLE"
f0="$(ticks "$pid_floor")"; c0="$(ticks "$pid_clock")"
sleep "$SPAN"
f1="$(ticks "$pid_floor")"; c1="$(ticks "$pid_clock")"
hz="$(getconf CLK_TCK)"
mem_floor="$(private_kib "$pid_floor")"; mem_clock="$(private_kib "$pid_clock")"

awk -v n="$N" -v a="$ALARMS" -v span="$SPAN" -v hz="$hz" \
    -v f="$((f1 - f0))" -v c="$((c1 - c0))" -v mf="$mem_floor" -v mc="$mem_clock" \
    -v sf="$start_floor" -v sc="$start_clock" 'BEGIN {
  printf "idle cost, %d clocks, %d alarms, CPU over %d s\n", n, a, span
  printf "%-12s %10s %12s %14s\n", "", "start ms", "CPU s", "private MiB"
  printf "%-12s %10s %12.2f %14.1f\n", "floor", sf, f / hz, mf / 1024
  printf "%-12s %10s %12.2f %14.1f\n", "DovizClock", sc, c / hz, mc / 1024
  printf "%-12s %10.2f %12.2f %14.2f\n", "ratio", sc / (sf > 0 ? sf : 1), (f > 0 ? c / f : 0), mc / mf
}'
