#!/bin/bash
# skin_window_test.sh PROBE ARTIFACTS: the window wrapper under Wine on an
# Xvfb display of its own ($QUILLORY_DISPLAY, default :97) in a fresh
# prefix. The probe checks itself (PASS/FAIL lines); at each "SHOT" line this
# script takes a screenshot. Then: every screenshot of the form unskinned
# (never skinned, engine inactive, switched off twice, engine destroyed)
# must be equal pixel for pixel, and the skinned title bar must show the
# skin's own images. Every wait is bounded; only our own Xvfb and
# wineserver are stopped.
set -eu
probe=$1
art=$2
root=$(cd "$(dirname "$0")/../../.." && pwd)
rm -rf "$art"; mkdir -p "$art"
export WINEPREFIX
WINEPREFIX=$("$root/scripts/wine-prefix" "$root/build/wine/skin-window")
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export DISPLAY=${QUILLORY_DISPLAY:-:97}
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'timeout 30 wineserver -k >/dev/null 2>&1 || true; kill $xvfb 2>/dev/null || true; wait 2>/dev/null || true' EXIT
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
# Wine draws the system frame itself (there is no window manager).
timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
windir="Z:$(echo "$art" | tr '/' '\\')"
timeout 240 wine "$probe" "$windir" >"$art/probe.log" 2>"$art/probe.err" &
wine_pid=$!
taken=""
for _ in $(seq 2400); do
  while read -r tag name rest; do
    [ "$tag" = SHOT ] || continue
    case " $taken " in *" $name "*) continue ;; esac
    /usr/bin/import -window root "$art/$name.png"
    echo "$rest" >"$art/$name.rect"
    touch "$art/go-$name"
    taken="$taken $name"
  done <"$art/probe.log"
  grep -q '^DONE' "$art/probe.log" && break
  kill -0 $wine_pid 2>/dev/null || break
  sleep 0.1
done
wait $wine_pid && probe_rc=0 || probe_rc=$?
cat "$art/probe.log"
python3 "$(dirname "$0")/compare_shots.py" "$art"
compare_rc=$?
grep -q '^DONE 0' "$art/probe.log" || { echo "probe failed ($probe_rc)"; exit 1; }
exit $compare_rc
