#!/bin/bash
# skin_window_menu_test.sh PROBE SKINTOOL SKIN.zsk SKIN.skin ARTIFACTS: the
# window wrapper's menu bar and MDI support under Wine, on an Xvfb display
# of their own ($QUILLORY_DISPLAY, or a free one), in a fresh prefix. The
# probe checks itself (PASS/FAIL lines); at "SHOT" lines this script takes a
# screenshot, at "DRIVE keys" it clicks and types: a click on the second
# menu item, Alt + an access key and Down, Alt then Right and Down, and the
# shortcut Ctrl+O, and a right click on the caption (the engine's system
# menu). The screenshots are checked against the skin's own
# colours and bitmaps (extracted from the compiled skin with skintool).
# Every wait is bounded; only our own Xvfb and wineserver are stopped.
set -eu
probe=$1 skintool=$2 zsk=$3 skinfile=$4 art=$5
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
rm -rf "$art"; mkdir -p "$art/bitmaps"
"$skintool" extract "$zsk" "$art/bitmaps" >/dev/null
export WINEPREFIX
WINEPREFIX=$("$root/scripts/wine-prefix" "$root/build/wine/skin-window-menu")
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'timeout 30 wineserver -k >/dev/null 2>&1 || true; [ -n "${xvfb_pid:-}" ] && kill $xvfb_pid 2>/dev/null; wait 2>/dev/null || true' EXIT
. "$root/scripts/xvfb.sh"
start_own_xvfb 1024x768x24 "$art/xvfb.log"
timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
log=$art/menu.log
wait_for() {  # wait_for LINE [COUNT]: up to 10 s for COUNT (1) lines LINE in the log
  for _ in $(seq 100); do
    n=$(grep -cxF "$1" "$log" 2>/dev/null || true)
    [ "${n:-0}" -ge "${2:-1}" ] && return 0
    sleep 0.1
  done
  echo "FAIL no \"$1\" in the log"; return 1
}
check() { python3 "$root/skin/menu/win32/tests/menu_shot_check.py" "$1" "$art/$2.png" "$skinfile" "$art/bitmaps" "$log"; }
failed=0
drive_keys() {
  win=$(timeout 20 xdotool search --sync --name '^Menu Probe$' | head -1)
  key() { xdotool key --window "$win" "$@"; }
  read -r _ bx by bw _ < <(grep '^bar ' "$log")
  # Without a window manager the keyboard goes where X has its focus: a
  # click into the form's empty client area gives it back after a popup.
  focus_form() { xdotool mousemove $((bx + 180)) $((by + 150)) click 1 mousemove 0 0; sleep 0.3; }
  read -r _ _ x y w h < <(grep '^button 1 ' "$log")
  xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
  wait_for "popup 1" || failed=1
  xdotool mousemove 0 0; sleep 0.7
  /usr/bin/import -window root "$art/click.png"
  check click click || failed=1
  key Escape; sleep 0.3
  focus_form
  key alt+d
  wait_for "popup 0" || failed=1
  key Down; sleep 0.7
  /usr/bin/import -window root "$art/keys.png"
  check keys keys || failed=1
  key Escape; sleep 0.3
  focus_form
  key alt; sleep 0.3; key Right; sleep 0.2; key Down
  wait_for "popup 1" 2 || failed=1
  key Escape; sleep 0.3
  focus_form
  key ctrl+o
  wait_for "click MI_Open" || failed=1
  # A right click on the caption opens the engine's system menu there.
  read -r _ wl wt < <(grep '^window ' "$log")
  echo "sysmenu $((wl + 150)) $((wt + 10))" >>"$log"
  xdotool mousemove $((wl + 150)) $((wt + 10)) click 3
  sleep 0.7
  /usr/bin/import -window root "$art/sysmenu.png"
  key Escape; sleep 0.3
  xdotool mousemove 0 0
}
windir="Z:$(echo "$art" | tr '/' '\\')"
timeout 240 wine "$probe" "$windir" >"$art/probe.log" 2>"$art/probe.err" &
wine_pid=$!
done_steps=""
for _ in $(seq 2400); do
  while read -r tag name rest; do
    case "$tag" in SHOT | DRIVE) ;; *) continue ;; esac
    case " $done_steps " in *" $name "*) continue ;; esac
    done_steps="$done_steps $name"
    if [ "$tag" = SHOT ]; then
      /usr/bin/import -window root "$art/$name.png"
      echo "$rest" >"$art/$name.rect"
      [ "$name" = skinned ] && { check bar skinned || failed=1; }
    else
      "drive_$name"
    fi
    touch "$art/go-$name"
  done < <(tr -d '\r' <"$art/probe.log")
  grep -q '^DONE' "$art/probe.log" && break
  kill -0 $wine_pid 2>/dev/null || break
  sleep 0.1
done
wait $wine_pid && probe_rc=0 || probe_rc=$?
cat "$art/probe.log"
python3 "$here/skin_window_menu_check.py" "$art" "$skinfile" "$root/skin/engine/res" || failed=1
grep -q '^DONE 0' "$art/probe.log" || { echo "probe failed ($probe_rc)"; exit 1; }
exit $failed
