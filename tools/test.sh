#!/usr/bin/env bash
# Builds both trees (from scratch when they are missing) and runs every test:
# the portable core natively, then the Win32 layer and the whole program under Wine on Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."

[ -f build/native/CMakeCache.txt ] || cmake --preset native
cmake --build --preset native
ctest --preset native

[ -f build/windows/CMakeCache.txt ] || cmake --preset windows
cmake --build --preset windows
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" ctest --preset windows
