#!/bin/bash
# menu_window_test.sh EXE BITMAPS SKINFILE: the skinned menus under Wine on
# an Xvfb display of their own ($QUILLORY_DISPLAY, or a free one), in a fresh
# prefix. menu_demo shows a form whose main menu sits on the skinned menu
# bar; the script opens its popups by click, by Alt+access key and by Alt,
# Right, Down, checks the screenshots against the skin's own colours and
# bitmaps (menu_shot_check.py), presses a shortcut and reads the system
# menu's renamed entry from the demo's log. Every wait is bounded; only our
# own Xvfb and wineserver are stopped.
set -eu
exe=$(realpath "$1") bitmaps=$(realpath "$2") skinfile=$(realpath "$3")
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../../.." && pwd)
work=$root/build/menu-window-test
mkdir -p "$work"
rm -f "$work"/*.png "$work"/menu.log
export WINEPREFIX
WINEPREFIX=$("$root/scripts/wine-prefix" "$work/prefix")
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'timeout 30 wineserver -k >/dev/null 2>&1 || true; [ -n "${xvfb_pid:-}" ] && kill $xvfb_pid 2>/dev/null; wait 2>/dev/null || true' EXIT
. "$root/scripts/xvfb.sh"
start_own_xvfb 1024x768x24 "$work/xvfb.log"

log=$work/menu.log
wait_for() {  # wait_for LINE [TENTHS [COUNT]]: up to 10 s for COUNT (1) lines LINE in the log
  for _ in $(seq "${2:-100}"); do
    n=$(grep -cxF "$1" "$log" 2>/dev/null || true)
    [ "${n:-0}" -ge "${3:-1}" ] && return 0
    sleep 0.1
  done
  echo "FAIL no \"$1\" in the log"; cat "$log"; return 1
}
shot() { sleep 0.7; /usr/bin/import -window root "$work/$1.png"; }
check() { python3 "$here/menu_shot_check.py" "$1" "$work/$2.png" "$skinfile" "$bitmaps" "$log"; }

cd "$work"
timeout 120 wine "$exe" "$log" </dev/null >"$work/demo.out" 2>&1 &
wait_for ready 600
win=$(timeout 30 xdotool search --sync --name '^Menuetest$' | head -1)
key() { xdotool key --window "$win" "$@"; }
xdotool mousemove 0 0
wait_for "barheight $(awk '/^button 0/{print $6}' "$log")"
shot idle
check bar idle

# A click on the second item opens its popup.
read -r _ _ x y w h < <(grep '^button 1 ' "$log")
xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
wait_for "popup 1"
xdotool mousemove 0 0
shot click
check click click
key Escape

# Without a window manager the keyboard goes where X has its focus: a
# click into the form gives it back after a popup.
focus_form() {
  read -r _ fx fy fw _ < <(grep '^bar ' "$log")
  xdotool mousemove $((fx + fw / 2)) $((fy + 120)) click 1 mousemove 0 0
  sleep 0.3
}

# Alt + the access key opens the first; Down selects its first item.
sleep 0.3
focus_form
key alt+d
wait_for "popup 0"
key Down
shot keys
check keys keys
key Escape
sleep 0.3

# Alt tapped selects the first item, Right the second, Down opens it.
focus_form
key alt
sleep 0.3
key Right
sleep 0.2
key Down
wait_for "popup 1" 100 2
key Escape
sleep 0.3

# The shortcut of a popup item works with the form's menu bar taken off.
focus_form
key ctrl+o
wait_for "click MI_Open"

# The system menu's close entry was renamed at once.
grep -qxF "sysmenu &Close" "$log" && grep -qxF "sysmenu &Schließen" "$log" \
  || { echo "FAIL system menu captions"; cat "$log"; exit 1; }
echo "ok   system menu renamed: $(grep '^sysmenu' "$log" | tr '\n' ' ')"
echo "menu window test passed"
