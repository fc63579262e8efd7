#!/bin/bash
# run.sh [LINUX_BUILD] [WINDOWS_BUILD]: runs the skin benchmarks that are
# built (it builds nothing) and prints their results:
#   - the skin inflater beside zlib (native build: skin_inflate_bench);
#   - the engine on the widget gallery under Wine on an Xvfb display of its
#     own (Windows build: gallery_skin_bench.exe): full repaints skinned and
#     unskinned, SkinData to a shown skinned form, the GDI census after
#     switching and skin changes, one repaint per wrapper kind.
# Defaults: build/linux and build/windows. Environment: CORPUS_MB (50),
# REPAINTS (60), SWITCHES (1000); QUILLORY_DISPLAY picks the display.
set -u
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
linux=${1:-$root/build/linux}
windows=$(cd "${2:-$root/build/windows}" && pwd) || exit 1
ran=0

if [ -x "$linux/bin/skin_inflate_bench" ]; then
  echo "== skin inflater"
  "$linux/bin/skin_inflate_bench" "${CORPUS_MB:-50}"
  ran=1
else
  echo "(skin_inflate_bench not built in $linux: skipped)"
fi

bench=$windows/bin/gallery_skin_bench.exe
if [ -f "$bench" ]; then
  echo "== skin engine on the widget gallery (Wine)"
  work=$windows/wine/gallery-skin-bench
  mkdir -p "$work"
  export WINEPREFIX=$work/prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  "$root/scripts/wine-prefix" "$WINEPREFIX" >/dev/null || exit 1
  finish() {
    timeout 30 wineserver -k >/dev/null 2>&1 || true
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
  }
  trap finish EXIT
  . "$root/scripts/xvfb.sh"
  start_own_xvfb 1280x1024x24 "$work/xvfb.log" || exit 1
  # Inside a Wine virtual desktop: top-level windows are no X windows there,
  # so hiding and showing them (each skin change does) waits for no X server.
  timeout 1800 wine explorer /desktop=bench,1280x1024 "$bench" "${REPAINTS:-60}" \
    "${SWITCHES:-1000}" 2>&1 | tr -d '\r'
  ran=1
else
  echo "(gallery_skin_bench.exe not built in $windows: skipped)"
fi
[ "$ran" = 1 ]
