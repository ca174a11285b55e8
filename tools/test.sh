#!/usr/bin/env bash
# Builds the trees (from scratch when they are missing) and runs every test: the portable core
# natively, a short fuzz run of each file reader, the Win32 layer and the whole program under
# Wine on Xvfb, and the imports of the program as shipped (release, stripped).
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

[ -f build/release/CMakeCache.txt ] || cmake --preset release
cmake --build --preset release
tools/check_imports.sh build/release/DovizClock.exe
