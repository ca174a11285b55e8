#!/usr/bin/env bash
# Checks the includes, builds the trees (from scratch when they are missing) and runs every test:
# the portable core natively, a short fuzz run of each file reader, then under Wine on Xvfb the
# core again as the cross compiler builds it, the Win32 layer and the whole program, and the
# imports of the program as shipped (the windows tree builds it with the release's flags).
set -euo pipefail
cd "$(dirname "$0")/.."

tools/check_layers.sh

[ -f build/native/CMakeCache.txt ] || cmake --preset native
cmake --build --preset native
ctest --preset native

# The readers' corpora replayed, then a few thousand new inputs each.
tools/fuzz.sh 5000

[ -f build/windows/CMakeCache.txt ] || cmake --preset windows
cmake --build --preset windows
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" ctest --preset windows
