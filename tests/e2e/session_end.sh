#!/usr/bin/env bash
# Ends the Wine session under a running clock and checks what it left. wineboot ends every
# process of its prefix, so this runs in a prefix of its own (DOVIZ_WINEPREFIX, set by ctest).
#   session_end.sh WINE_RUN DRIVER
set -u
run=$1 driver=$2
# Each half must have run its one test: a filter that matches nothing passes.
# Its output goes to a file: the clock left running would hold a pipe open.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
half() {
  "$run" "$driver" --gtest_also_run_disabled_tests --gtest_filter="SessionEnd.DISABLED_$1" >"$log" 2>&1
  local status=$?
  cat "$log"
  [ $status -eq 0 ] && grep -q '^\[  PASSED  \] 1 test' "$log"
}
[ -n "${DOVIZ_WINEPREFIX:-}" ] || { echo "no prefix of its own" >&2; exit 2; }
"$run" --stop
half ChangeAndLeaveRunning || { "$run" --stop; exit 1; }
"$run" wineboot --end-session --force --kill >/dev/null 2>&1 </dev/null
"$run" --stop
half EverythingWasKept
status=$?
"$run" --stop
exit $status
