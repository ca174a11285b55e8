#!/usr/bin/env bash
# Checks the includes, builds the trees (from scratch when they are missing) and runs every test:
# the portable core natively, a short fuzz run of each file reader, then under Wine on Xvfb the
# core again as the cross compiler builds it, the Win32 layer and the whole program, and the
# imports of the program as shipped (the windows tree builds it with the release's flags).
#
# The Wine tests run one at a time and mostly wait on Wine, so the native tree is built and tested
# beside them, one compile at a time: the machine's second core does it in their shadow. Its
# output follows theirs.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/check_layers.sh

[ -f build/windows/CMakeCache.txt ] || cmake --preset windows
cmake --build --preset windows

mkdir -p build
native_log=build/native-and-fuzz.log
(
  set -euo pipefail
  [ -f build/native/CMakeCache.txt ] || cmake --preset native
  cmake --build --preset native -j 1
  ctest --preset native -j 1
  # The readers' corpora replayed, then a few thousand new inputs each.
  DOVIZ_JOBS=1 tools/fuzz.sh 5000
) >"$native_log" 2>&1 &
native=$!

wine_status=0
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" ctest --preset windows || wine_status=$?

native_status=0
wait "$native" || native_status=$?
echo "---- native tree and fuzz run, as they went beside the Wine tests ($native_log)"
cat "$native_log"
[ "$native_status" -eq 0 ] || { echo "native tree or fuzz run failed" >&2; exit "$native_status"; }
exit "$wine_status"
