#!/usr/bin/env bash
# Builds the fuzz targets (the `fuzz` preset: clang's libFuzzer, AddressSanitizer and UBSan), then
# runs each one: its corpus is replayed first, then new inputs are made until the runs are spent.
# Usage: tools/fuzz.sh [runs per target, default 1000000] [target ...]
# New inputs go to build/fuzz/corpus-<target>; the seeds in fuzz/corpus are only read. A crash
# leaves its input in build/fuzz and fails the script. Ninja rebuilds only what changed.
# DOVIZ_JOBS, when set, is how many compiles run at once.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-1000000}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(alarm_file cron_mask clocks_file alarm_life)

declare -A maxlen=([alarm_file]=4096 [cron_mask]=256 [clocks_file]=4096 [alarm_life]=1024)
for t in "${targets[@]}"; do
  [ -n "${maxlen[$t]:-}" ] || { echo "fuzz: no target $t" >&2; exit 2; }
done

out=build/fuzz
[ -f "$out/CMakeCache.txt" ] || cmake --preset fuzz
cmake --build --preset fuzz ${DOVIZ_JOBS:+-j "$DOVIZ_JOBS"} --target "${targets[@]}"

for t in "${targets[@]}"; do
  mkdir -p "$out/corpus-$t"
  echo "fuzz: $t, $runs runs"
  "$out/$t" -runs="$runs" -max_len="${maxlen[$t]}" -rss_limit_mb=512 -malloc_limit_mb=256 \
    -artifact_prefix="$out/$t-" -print_final_stats=1 "$out/corpus-$t" "fuzz/corpus/$t"
done
