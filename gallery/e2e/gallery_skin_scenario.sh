#!/bin/bash
# The skinned frame on the widget gallery under Wine and Xvfb, driven by the
# real pointer and keyboard (xdotool) and checked against the skin's own
# bitmaps (skintool extract): exact removal (switched off it equals the
# gallery started with -noskin, on again the first skinned look), Tag 9999,
# message boxes with and without SkinDialogs, caption buttons (hover,
# pressed, press and release elsewhere, release on them), the system menu
# (icon, right click), maximised and minimised windows, the region's corners,
# a window without border icons and a dialog frame.
#
#   gallery_skin_scenario.sh look|frame BIN_DIR ARTIFACTS WORK SKINTOOL SKIN.zsk
# "look": exact removal, Tag 9999, message boxes; "frame": the rest.
# Screenshots: ARTIFACTS/gallery-skin-PART/*.png. Runs inside a Wine virtual
# desktop (minimised windows show there, at its bottom left). Every wait is
# bounded; only our own Xvfb and wineserver are stopped.
set -u
part=$1
shift
case $part in look | frame) ;; *) echo "look or frame, not '$part'" >&2; exit 2 ;; esac
scenario=gallery-skin-$part
bin=$(cd "$1" && pwd)
mkdir -p "$2/$scenario" "$3"
art=$(cd "$2/$scenario" && pwd) work=$(cd "$3" && pwd)
skintool=$4 zsk=$5
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
failures=0

log() { echo "[$scenario] $*"; }
shot() { /usr/bin/import -display "$DISPLAY" -window root "$art/$1.png" 2>/dev/null; }
fatal() {
  echo "[$scenario] FAIL: $*" >&2
  shot failure
  exit 1
}
# check NAME COMMAND...: one named check; the scenario goes on when it fails.
check() {
  local name=$1
  shift
  if "$@"; then
    echo "PASS $name"
  else
    echo "FAIL $name"
    failures=$((failures + 1))
  fi
}
wait_for() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.2
  done
}
xdotool() { command xdotool "$@" 2>/dev/null; }
not() { ! "$@" >/dev/null; }
desk() { timeout 300 wine explorer /desktop=skin,1280x1024 "$@"; }
probe() {
  timeout 30 wine explorer /desktop=skin,1280x1024 "$bin/skin_frame_probe.exe" "$@" 2>/dev/null |
    tr -d '\r'
}
pixels() { python3 "$here/skin_shots.py" "$work/skin" "$@"; }
park() { xdotool mousemove 1279 1023; sleep 0.5; }

file "$bin/WidgetGallery.exe" | grep -q 'PE32+' || fatal "WidgetGallery.exe missing or not 64-bit"
rm -f "$art"/*.png
rm -rf "$work/skin" && "$skintool" extract "$zsk" "$work/skin" >/dev/null || fatal "skintool extract"
export WINEPREFIX="$work/prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$root/scripts/wine-prefix" "$WINEPREFIX" >/dev/null || exit 1
finish() {
  local status=$?
  timeout 30 wineserver -k >/dev/null 2>&1 || true
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  exit $status
}
trap finish EXIT
. "$root/scripts/xvfb.sh"
start_own_xvfb 1280x1024x24 "$work/xvfb.log" || exit 1
# The virtual desktop lives as long as one of its programs: this one stays
# until the end, so the galleries started one after the other share it.
# Started alone: two programs that open the desktop at once may break it.
desk "$bin/skin_frame_probe.exe" keep >/dev/null 2>&1 &
sleep 3
desktop_up() { [ -n "$(probe work)" ]; }
wait_for 60 desktop_up || fatal "the virtual desktop did not start"

# start CAPTION [ARGS...]: runs the gallery until the window CAPTION shows.
start() {
  local caption=$1
  shift
  desk "$bin/WidgetGallery.exe" "$@" >"$work/gallery.log" 2>&1 &
  wait_for 40 shows "$caption" || fatal "'$caption' did not appear"
  park
  sleep 1.5  # the first paint
}
stop() {
  probe close "Widget Gallery" >/dev/null
  wait_for 20 gone "Widget Gallery" || fatal "the gallery stays open"
  sleep 0.5
}
state_is() { [ "$(probe state "$1")" = "$2" ]; }
# Yes-or-no answers come as output.
shows() { [ -n "$(probe rect "$1")" ]; }
menu_open() { [ -n "$(probe menu)" ]; }
no_menu() { [ -z "$(probe menu)" ]; }
gone() { [ "$(probe gone "$1")" = 1 ]; }
# rect_of CAPTION: sets l t r b w.
rect_of() {
  read -r l t r b <<<"$(probe rect "$1")"
  [ -n "${b:-}" ] || fatal "no window '$1'"
  w=$((r - l))
}
# The centre of caption button INDEX (0 the rightmost) of a window of width w at l, t.
button_x() { echo $((l + w - 6 - 25 - $1 * 27 + 12)); }
button_y() { echo $((t + 4 + 12)); }

look() {
  log "exact removal: switched off equals -noskin, on again the first skinned look"
  start "Widget Gallery" -noskin
  shot noskin
  stop
  start "Widget Gallery"
  shot skinned
  check skinned-differs-from-noskin not pixels equal "$art/noskin.png" "$art/skinned.png"
  rect_of "Widget Gallery"
  check gallery-title-is-the-skin pixels skintitle "$art/skinned.png" $l $t $r $b 120
  xdotool key ctrl+shift+s
  wait_for 10 state_is "Widget Gallery" "0 0 1 1 1"
  sleep 1
  shot off
  check off-equals-noskin pixels equal "$art/noskin.png" "$art/off.png"
  xdotool key ctrl+shift+s
  wait_for 10 state_is "Widget Gallery" "0 0 1 0 1"
  sleep 1
  shot on-again
  check on-again-equals-skinned pixels equal "$art/skinned.png" "$art/on-again.png"

  log "Tag 9999: the form keeps its system frame"
  xdotool key ctrl+shift+t
  wait_for 10 state_is "Widget Gallery" "0 0 1 1 1"
  sleep 1
  shot disabled-tag
  # The frame only: the controls keep their wrappers.
  rect_of "Widget Gallery"
  read -r _ ct <<<"$(probe client "Widget Gallery")"
  check disabled-tag-frame-equals-noskin pixels equalrect "$art/noskin.png" "$art/disabled-tag.png" $l $t $r $ct
  check disabled-tag-no-region test "$(probe region "Widget Gallery" | cut -d' ' -f1)" = 0
  xdotool key ctrl+shift+t
  wait_for 10 state_is "Widget Gallery" "0 0 1 0 1"
  sleep 1
  shot tag-cleared
  check tag-cleared-equals-skinned pixels equal "$art/skinned.png" "$art/tag-cleared.png"

  log "message boxes: the system look without SkinDialogs, skinned with it"
  # message_box NAME STATE [!]: Ctrl+B opens one; its state and title are
  # checked ("!": the title is not the skin's), Escape closes it.
  message_box() {
    xdotool key ctrl+b
    wait_for 15 shows "Gallery Message" || fatal "no message box"
    sleep 1
    shot "message-$1"
    check "message-box-$1" state_is "Gallery Message" "$2"
    rect_of "Gallery Message"
    check "message-box-$1-title" ${3:+not} pixels skintitle "$art/message-$1.png" $l $t $r $b 45
    xdotool key Escape
    wait_for 10 gone "Gallery Message" || fatal "the message box stays"
  }
  message_box plain "0 0 1 1 0" !
  xdotool key ctrl+shift+d
  sleep 0.5
  message_box skinned "0 0 1 0 1"
  stop
}

frame() {
  log "caption buttons, system menu, maximised and minimised: Plain Window"
  start "Plain Window" -dialog plain
  rect_of "Plain Window"
  check region-is-shaped test "$(probe region "Plain Window")" = "2 0 0 0 0"
  xdotool mousemove "$(button_x 0)" "$(button_y)"
  sleep 0.7
  shot hover-close
  check close-hot pixels button "$art/hover-close.png" $l $t $r $b 0 0 17
  check maximise-normal pixels button "$art/hover-close.png" $l $t $r $b 0 1 7
  check minimise-normal pixels button "$art/hover-close.png" $l $t $r $b 0 2 13
  pixels icon "$art/hover-close.png" $l $t $r $b "$work/icon.rgb"

  xdotool mousemove "$(button_x 2)" "$(button_y)" mousedown 1
  sleep 0.7
  shot pressed-minimise
  check minimise-pressed pixels button "$art/pressed-minimise.png" $l $t $r $b 0 2 15
  xdotool mousemove $((l + w / 2)) $((t + 100)) mouseup 1
  sleep 1
  check release-outside-does-nothing state_is "Plain Window" "0 0 1 0 1"

  xdotool mousemove "$(button_x 0)" "$(button_y)" click 3
  sleep 1
  check right-click-on-button-no-menu no_menu
  xdotool mousemove $((l + w / 2)) $((t + 14)) click 3
  if wait_for 5 menu_open; then
    read -r ml mt _ <<<"$(probe menu)"
    check system-menu-at-pointer test "$ml $mt" = "$((l + w / 2)) $((t + 14))"
  else
    check system-menu-on-right-click false
  fi
  xdotool key Escape
  wait_for 5 no_menu
  park
  xdotool mousemove $((l + 16)) $((t + 13)) click 1
  if wait_for 5 menu_open; then
    read -r ml mt _ <<<"$(probe menu)"
    check system-menu-below-icon test "$ml $mt" = "$(probe client "Plain Window")"
  else
    check system-menu-on-icon-click false
  fi
  xdotool key Escape
  wait_for 5 no_menu

  xdotool mousemove "$(button_x 1)" "$(button_y)" click 1
  wait_for 10 state_is "Plain Window" "0 1 1 0 1" || check maximised false
  sleep 1
  read -r wl wt wr wb <<<"$(probe work)"
  check maximised-covers-work-area-plus-4 test "$(probe rect "Plain Window")" = "$((wl - 4)) $((wt - 4)) $((wr + 4)) $((wb + 4))"
  rect_of "Plain Window"
  park
  shot maximised
  check maximised-shows-restore pixels button "$art/maximised.png" $l $t $r $b 0 1 10
  xdotool mousemove "$(button_x 1)" "$(button_y)" click 1
  wait_for 10 state_is "Plain Window" "0 0 1 0 1" || check restored-from-maximised false

  rect_of "Plain Window"
  xdotool mousemove "$(button_x 2)" "$(button_y)" click 1
  wait_for 10 state_is "Plain Window" "1 0 1 0 1" || check release-on-button-minimises false
  sleep 1
  park
  rect_of "Plain Window"
  shot minimised
  log "minimised at $l $t $r $b"
  check minimised-title-image pixels minimised "$art/minimised.png" $l $t $r $b
  check minimised-close-button pixels button "$art/minimised.png" $l $t $r $b 1 0 16
  check minimised-restore-button pixels button "$art/minimised.png" $l $t $r $b 1 2 10
  xdotool mousemove $((l + 40)) $((t + 12)) click --repeat 2 1
  check double-click-restores wait_for 10 state_is "Plain Window" "0 0 1 0 1"
  park
  rect_of "Plain Window"
  xdotool mousemove $((l + 16)) $((t + 13)) click --repeat 2 1
  check double-click-on-icon-closes wait_for 10 gone "Plain Window"
  stop

  log "no border icons: no buttons, no icon"
  start "No System Menu" -dialog nosysmenu
  rect_of "No System Menu"
  shot no-system-menu
  for i in 0 1 2; do
    check no-system-menu-no-button-$i pixels nobutton "$art/no-system-menu.png" $l $t $r $b $i
  done
  check no-system-menu-no-icon pixels noicon "$art/no-system-menu.png" $l $t $r $b "$work/icon.rgb"
  stop

  log "dialog frame: close only"
  start "Modal Dialog" -dialog modal
  rect_of "Modal Dialog"
  shot dialog-frame
  check dialog-close-button pixels button "$art/dialog-frame.png" $l $t $r $b 0 0 16
  check dialog-no-maximise pixels nobutton "$art/dialog-frame.png" $l $t $r $b 1
  check dialog-no-minimise pixels nobutton "$art/dialog-frame.png" $l $t $r $b 2
  probe close "Modal Dialog" >/dev/null
  wait_for 10 gone "Modal Dialog"
  stop
}

"$part"
[ "$failures" = 0 ] || fatal "$failures checks failed"
log PASS
