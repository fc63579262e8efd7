#!/bin/bash
# Runs a Windows test program that needs windows: under Wine, in its own
# prefix copied from the template, on our own Xvfb display
# ($QUILLORY_DISPLAY, default :97). Everything is stopped again on exit.
#
# run_with_display.sh EXE WORK_DIR [ARGS...]
set -u
exe=$1 work=$2
shift 2
root=$(cd "$(dirname "$0")/../../.." && pwd)
mkdir -p "$work"
work=$(cd "$work" && pwd)
export WINEPREFIX="$work/prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export DISPLAY=${QUILLORY_DISPLAY:-:97}
"$root/scripts/wine-prefix" "$WINEPREFIX" >/dev/null || exit 1
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
finish() {
  timeout 30 wineserver -k >/dev/null 2>&1 || true
  kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
}
trap finish EXIT
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
timeout 300 wine "$exe" "$@"
