#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer and AddressSanitizer, then runs each one.
# Usage: tools/fuzz.sh [runs per target, default 1000000] [target ...]
# New inputs go to build/fuzz/corpus-<target>; the seeds in fuzz/corpus are only read.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-1000000}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(alarm_file cron_mask clocks_file)

CXX=${CXX_FUZZ:-clang++}
out=build/fuzz
mkdir -p "$out"
flags=(-std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -Isrc)
core=(src/clock/Stream.cpp src/clock/OvList.cpp src/alarms/Alarm.cpp src/alarms/AlarmFile.cpp src/alarms/CronMask.cpp src/app/ClocksCodec.cpp)

declare -A sources=([alarm_file]=fuzz/AlarmFileFuzz.cpp [cron_mask]=fuzz/CronMaskFuzz.cpp [clocks_file]=fuzz/ClocksFileFuzz.cpp)
declare -A maxlen=([alarm_file]=4096 [cron_mask]=256 [clocks_file]=4096)

for t in "${targets[@]}"; do
  [ -n "${sources[$t]:-}" ] || { echo "fuzz: no target $t" >&2; exit 2; }
  "$CXX" "${flags[@]}" "${sources[$t]}" "${core[@]}" -o "$out/$t"
  mkdir -p "$out/corpus-$t"
  echo "fuzz: $t, $runs runs"
  "$out/$t" -runs="$runs" -max_len="${maxlen[$t]}" -rss_limit_mb=512 -malloc_limit_mb=256 \
    -print_final_stats=1 "$out/corpus-$t" "fuzz/corpus/$t"
done
