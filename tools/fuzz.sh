#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer, AddressSanitizer and UBSan, then runs each one:
# its corpus is replayed first, then new inputs are made until the runs are spent.
# Usage: tools/fuzz.sh [runs per target, default 1000000] [target ...]
# New inputs go to build/fuzz/corpus-<target>; the seeds in fuzz/corpus are only read. A crash
# leaves its input in build/fuzz and fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-1000000}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(alarm_file cron_mask clocks_file alarm_life)

CXX=${CXX_FUZZ:-clang++}
out=build/fuzz
mkdir -p "$out/obj"
flags=(-std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -Isrc -Itests/support)
core=(src/base/Stream.cpp src/base/OvList.cpp src/base/DateTime.cpp src/alarms/Alarm.cpp src/alarms/AlarmFile.cpp
      src/alarms/CronMask.cpp src/alarms/CronSearch.cpp src/alarms/AlarmScheduler.cpp src/alarms/AlarmLife.cpp
      src/alarms/AlarmActions.cpp src/app/ClocksCodec.cpp)

declare -A sources=([alarm_file]=fuzz/AlarmFileFuzz.cpp [cron_mask]=fuzz/CronMaskFuzz.cpp [clocks_file]=fuzz/ClocksFileFuzz.cpp
                   [alarm_life]=fuzz/AlarmLifeFuzz.cpp)
declare -A maxlen=([alarm_file]=4096 [cron_mask]=256 [clocks_file]=4096 [alarm_life]=1024)

for t in "${targets[@]}"; do
  [ -n "${sources[$t]:-}" ] || { echo "fuzz: no target $t" >&2; exit 2; }
done

# The core is compiled once for every target, two files at a time.
objects=()
pids=()
for src in "${core[@]}"; do
  obj="$out/obj/$(basename "${src%.cpp}").o"
  objects+=("$obj")
  "$CXX" "${flags[@]/-fsanitize=fuzzer,/-fsanitize=fuzzer-no-link,}" -c "$src" -o "$obj" &
  pids+=($!)
  if [ ${#pids[@]} -ge 2 ]; then wait "${pids[0]}"; pids=("${pids[@]:1}"); fi
done
for p in "${pids[@]}"; do wait "$p"; done

for t in "${targets[@]}"; do
  "$CXX" "${flags[@]}" "${sources[$t]}" "${objects[@]}" -o "$out/$t"
  mkdir -p "$out/corpus-$t"
  echo "fuzz: $t, $runs runs"
  "$out/$t" -runs="$runs" -max_len="${maxlen[$t]}" -rss_limit_mb=512 -malloc_limit_mb=256 \
    -artifact_prefix="$out/$t-" -print_final_stats=1 "$out/corpus-$t" "fuzz/corpus/$t"
done
