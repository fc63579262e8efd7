#!/bin/bash
# window_region_test.sh EXE: the frame's Win32 tests that need a window, run
# under Wine on an Xvfb display of their own ($QUILLORY_DISPLAY, default :96)
# in the shared unit-test prefix. Every wait is bounded; only our own Xvfb
# and wineserver are stopped.
set -eu
exe=$1
root=$(cd "$(dirname "$0")/../../../.." && pwd)
export WINEPREFIX=${QUILLORY_WINEPREFIX:-$("$root/scripts/wine-prefix")}
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export DISPLAY=${QUILLORY_DISPLAY:-:96}
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'timeout 30 wineserver -k >/dev/null 2>&1 || true; kill $xvfb 2>/dev/null || true; wait 2>/dev/null || true' EXIT
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
QUILLORY_FRAME_NEEDS_WINDOW=1 timeout 300 wine "$exe" --gtest_filter='FrameWin32Test.Window*'
