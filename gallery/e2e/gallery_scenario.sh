#!/bin/bash
# The widget gallery under Wine and Xvfb: every page shown and saved as a
# screenshot, every native window class of the widget family present, the
# keyboard on check boxes, radio groups, up-downs (a spin edit's and a
# stand-alone one on a plain field), tabs and the string grid, clicks on
# speed buttons and the tool bar, each entry of the "Dialogs" menu opening
# its window and closing it again, Enter and Escape on the modal dialog, and
# the MDI window's three children. The gallery tells its widgets' events on
# Wine's debugstr channel (gallery.log).
#
#   gallery_scenario.sh BIN_DIR ARTIFACTS WORK
# Screenshots: ARTIFACTS/gallery-*.png. Every wait is bounded.
set -u
scenario=gallery
bin=$(cd "$1" && pwd)
mkdir -p "$2" "$3"
artifacts=$(cd "$2" && pwd) work=$(cd "$3" && pwd)
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

log() { echo "[$scenario] $*"; }
shot() { /usr/bin/import -display "$DISPLAY" -window root "$artifacts/gallery-$1.png" 2>/dev/null || true; }
fail() {
  echo "[$scenario] FAIL: $*" >&2
  shot failure
  exit 1
}
wait_for() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.2
  done
}
# xdotool warns on every key sent to a window without a window manager.
xdotool() { command xdotool "$@" 2>/dev/null; }
probe() { timeout 30 wine "$bin/gallery_probe.exe" "$@" 2>/dev/null | tr -d '\r'; }

file "$bin/WidgetGallery.exe" | grep -q 'PE32+' || { echo "WidgetGallery.exe missing or not 64-bit" >&2; exit 1; }
rm -f "$artifacts"/gallery-*.png
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
timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1

# start [ARGS...]: runs the gallery and sets $win to its X window.
start() {
  WINEDEBUG=-all,warn+debugstr timeout 300 wine "$bin/WidgetGallery.exe" "$@" >"$work/gallery.log" 2>&1 &
  win=$(timeout 60 xdotool search --sync --name '^Widget Gallery$' | head -1)
  [ -n "$win" ] || fail "the gallery did not appear"
  xdotool mousemove 0 0
  # Keys reach it once it is active and one of its controls has the focus.
  wait_for 15 has_focus || fail "the gallery did not take the focus"
  sleep 1  # the first paint
}
has_focus() { [ -n "$(probe focus)" ]; }
stop() {
  probe close "Widget Gallery"
  # Closing takes the engine's wrappers off every control first: give a
  # loaded machine time, and name the windows still up when it fails.
  wait_for 30 bash -c "! xdotool search --name '^Widget Gallery\$' >/dev/null 2>&1" ||
    fail "the gallery stays open ($(probe top | tr '\n' ';'))"
}
page_is() { [ "$(probe page)" = "$1" ]; }
# click_on TEXT: a click in the middle of the gallery's visible child
# window TEXT (or [Class]).
click_on() {
  local x y w h
  read -r x y w h <<<"$(probe rect "Widget Gallery" "$1")"
  [ -n "${h:-}" ] || fail "no window '$1' in view"
  xdotool mousemove $((x + ${2:-w / 2})) $((y + h / 2)) click 1
  sleep 0.3
}
focus_is() { [ "$(probe focus)" = "$1" ]; }
# next_page CAPTION: Ctrl+Tab brings the next page, CAPTION, to view.
next_page() {
  xdotool key --window "$win" ctrl+Tab
  wait_for 5 page_is "$1" || fail "Ctrl+Tab to $1: $(probe page)"
}
# reported LINE: the gallery told LINE; last_reported PREFIX: the last line
# it told that starts with PREFIX.
reports() { grep -a 'OutputDebugString' "$work/gallery.log" | sed 's/.*OutputDebugString[AW] "//; s/\\n"$//'; }
reported() { reports | grep -qxF -- "$1"; }
last_reported() { reports | grep -aF -- "$1" | tail -1; }
last_reported_is() { [ "$(last_reported "$1")" = "$2" ]; }

pages=("Buttons" "Lists" "Text" "Ranges" "Bars" "Tabs" "Grid and more" "Pages")

log "every page in turn, by -page N"
for i in "${!pages[@]}"; do
  start -page $((i + 1))
  page_is "${pages[$i]}" || fail "-page $((i + 1)) shows '$(probe page)', not '${pages[$i]}'"
  shot "page$((i + 1))"
  stop
done
start

log "every native window class of the family"
probe classes >"$work/classes.txt"
for class in Button Edit ComboBox ComboBoxEx32 ListBox SysListView32 SysTreeView32 \
  msctls_trackbar32 msctls_progress32 msctls_updown32 msctls_statusbar32 ToolbarWindow32 \
  ReBarWindow32 SysDateTimePick32 msctls_hotkey32 SysTabControl32 ScrollBar Static; do
  grep -qx "$class" "$work/classes.txt" || fail "no window of class $class (found: $(tr '\n' ' ' <"$work/classes.txt"))"
done

log "Space cycles a check box that allows grayed through three states"
page_is "Buttons" || fail "not back on the first page"
click_on "&Grayed allowed" 8
focus_text_is() { [ "$(probe focus | cut -d'|' -f2)" = "$1" ]; }
wait_for 5 focus_text_is "&Grayed allowed" || fail "a click on Grayed allowed: $(probe focus)"
state() { probe focus | cut -d'|' -f3; }
state_is_not() { [ "$(state)" != "$1" ]; }
states=$(state)
for _ in 1 2 3; do
  last=${states##* }
  xdotool key --window "$win" space
  wait_for 5 state_is_not "$last"
  states="$states $(state)"
done
log "states: $states"
set -- $states
[ "$1" = "$4" ] && [ "$1" != "$2" ] && [ "$2" != "$3" ] && [ "$1" != "$3" ] ||
  fail "Space does not cycle through three states: $states"

log "arrow keys move within a radio group"
click_on "&Red" 8
wait_for 5 focus_is "Button|&Red|1" || fail "a click on Red: $(probe focus)"
xdotool key --window "$win" Down
wait_for 5 focus_is "Button|Gree&n|1" || fail "Down in the radio group: $(probe focus)"
xdotool key --window "$win" Down
wait_for 5 focus_is "Button|B&lue|1" || fail "Down again: $(probe focus)"
xdotool key --window "$win" Up
wait_for 5 focus_is "Button|Gree&n|1" || fail "Up: $(probe focus)"

log "a mask edit takes what its mask allows"
xdotool key --window "$win" ctrl+Tab ctrl+Tab
wait_for 5 page_is "Text" || fail "Ctrl+Tab to Text: $(probe page)"
click_on "__-____" 3
xdotool key --window "$win" Home a 1 b 2
wait_for 5 focus_is "Edit|ab-2___|-1" || fail "typing a1b2 into LL-0000: $(probe focus)"
xdotool key --window "$win" BackSpace BackSpace
wait_for 5 focus_is "Edit|a_-____|-1" || fail "two backspaces: $(probe focus)"

log "an up-down with a buddy steps its number"
next_page "Ranges"
click_on "5"
wait_for 5 focus_is "Edit|5|-1" || fail "the buddy field: $(probe focus)"
xdotool key --window "$win" Up Up Up
wait_for 5 focus_is "Edit|8|-1" || fail "Up three times: $(probe focus)"
xdotool key --window "$win" Down
wait_for 5 focus_is "Edit|7|-1" || fail "Down: $(probe focus)"

log "a stand-alone up-down steps the plain field it is attached to"
click_on "10"
wait_for 5 focus_is "Edit|10|-1" || fail "the plain field: $(probe focus)"
xdotool key --window "$win" Up Up
wait_for 5 focus_is "Edit|14|-1" || fail "Up twice (steps of 2): $(probe focus)"
xdotool key --window "$win" Down
wait_for 5 focus_is "Edit|12|-1" || fail "Down: $(probe focus)"

log "a click on a tool bar button"
next_page "Bars"
read -r tx ty tw th <<<"$(probe rect "Widget Gallery" "[ToolbarWindow32]")"
[ -n "${th:-}" ] || fail "no tool bar in view"
xdotool mousemove $((tx + 12)) $((ty + th / 2)) click 1
wait_for 5 reported "Tool button New" || fail "a click on the first tool button: $(reports | tail -3 | tr '\n' ';')"

log "the string grid: a click selects a cell, the keys move the selection and scroll"
xdotool key --window "$win" ctrl+Tab ctrl+Tab
wait_for 5 page_is "Grid and more" || fail "Ctrl+Tab to the grid: $(probe page)"
read -r gx gy gw gh <<<"$(probe rect "Widget Gallery" "[TStringGrid]")"
[ -n "${gh:-}" ] || fail "no string grid in view"
xdotool mousemove $((gx + 40 + 32)) $((gy + 22 + 11 + 22)) click 1
wait_for 5 last_reported_is "Grid cell" "Grid cell 1,2 = 2, first column in view 1" ||
  fail "a click on the cell 1,2: $(last_reported "Grid cell")"
xdotool key --window "$win" Right Right Right Right Right Right Right Right
wait_for 5 bash -c "[ \"\$(grep -a 'Grid cell' '$work/gallery.log' | tail -1 | grep -o 'cell 9,2 = 18, first column in view [0-9]*')\" ]" ||
  fail "Right eight times: $(last_reported "Grid cell")"
left=$(last_reported "Grid cell" | sed 's/.*in view //')
[ "$left" -gt 1 ] || fail "the grid did not scroll to column 9 (first column in view $left)"
xdotool key --window "$win" End Down
wait_for 5 last_reported_is "Grid cell" "Grid cell 11,3 = 33, first column in view $(last_reported "Grid cell" | sed 's/.*in view //')" ||
  fail "End and Down: $(last_reported "Grid cell")"
xdotool key --window "$win" Home
wait_for 5 last_reported_is "Grid cell" "Grid cell 1,3 = 3, first column in view 1" ||
  fail "Home: $(last_reported "Grid cell")"
log "grid: $(last_reported "Grid cell"), scrolled to column $left on the way"

log "speed buttons: one down at a time in a group, one that comes up again"
next_page "Pages"
shot "pages"
next_page "Buttons"
click_on "Centre"
wait_for 5 reported "Speed button Centre: down" || fail "a click on Centre: $(reports | tail -2 | tr '\n' ';')"
click_on "Right"
wait_for 5 reported "Speed button Right: down" || fail "a click on Right: $(reports | tail -2 | tr '\n' ';')"
click_on "All up allowed"
wait_for 5 reported "Speed button All up allowed: up" || fail "a click on All up allowed: $(reports | tail -2 | tr '\n' ';')"

log "a click on a tab switches the page"
next_page "Lists"
read -r px py pw ph <<<"$(probe rect "Widget Gallery" "[SysTabControl32]")"
xdotool mousemove $((px + 20)) $((py + 10)) click 1
wait_for 5 page_is "Buttons" || fail "a click on the first tab: $(probe page)"
shot "tab-click"

log "each Dialogs entry opens its window and closes again"
# dialog KEY CAPTION: Alt+D, the item's key, the window CAPTION appears;
# Escape (or a close request) ends it.
dialog() {
  xdotool key --window "$win" alt+d
  sleep 0.5
  xdotool key "$1"
  local w
  w=$(timeout 15 xdotool search --sync --name "^$2\$" | head -1)
  [ -n "$w" ] || fail "Dialogs/$1 opened no window '$2' ($(probe top | tr '\n' ';'))"
  sleep 1
  shot "dialog-$1"
  if [ "$3" = close ]; then probe close "$2"; else xdotool key --window "$w" Escape; fi
  wait_for 15 bash -c "! xdotool search --name '^$2\$' >/dev/null 2>&1" || fail "'$2' stays open"
}
dialog m "MDI Parent" close
dialog d "Modal Dialog" close
dialog b "Gallery Message" escape
dialog f "Choose Folder" escape
dialog o "Open File" escape
probe top | grep -q '|Widget Gallery$' || fail "the gallery went with its dialogs"

log "the modal dialog: Enter is OK, Escape is Cancel"
# modal KEY RESULT: opens the modal dialog, presses KEY in it, and waits for
# the gallery to tell RESULT.
modal() {
  xdotool key --window "$win" alt+d
  sleep 0.5
  xdotool key d
  local w
  w=$(timeout 15 xdotool search --sync --name '^Modal Dialog$' | head -1)
  [ -n "$w" ] || fail "the modal dialog did not open"
  sleep 0.5
  xdotool key --window "$w" "$1"
  wait_for 15 bash -c "! xdotool search --name '^Modal Dialog\$' >/dev/null 2>&1" || fail "$1 did not close the modal dialog"
  wait_for 5 last_reported_is "Modal Dialog:" "Modal Dialog: $2" ||
    fail "$1 ended the modal dialog with '$(last_reported "Modal Dialog:")'"
}
modal Return OK
modal Escape Cancel

log "the MDI window holds three children"
xdotool key --window "$win" alt+d
sleep 0.5
xdotool key m
timeout 15 xdotool search --sync --name '^MDI Parent$' >/dev/null || fail "the MDI window did not open"
mdi_children() { [ "$(probe mdi "MDI Parent" | sort | tr '\n' ';')" = "MDI Child 1;MDI Child 2;MDI Child 3;" ]; }
wait_for 10 mdi_children || fail "MDI children: $(probe mdi "MDI Parent" | tr '\n' ';')"
probe close "MDI Parent"
wait_for 15 bash -c "! xdotool search --name '^MDI Parent\$' >/dev/null 2>&1" || fail "'MDI Parent' stays open"

log "-dialog opens a dialog at start"
stop
start -dialog modal
timeout 15 xdotool search --sync --name '^Modal Dialog$' >/dev/null || fail "-dialog modal showed nothing"
probe close "Modal Dialog"
stop
log "PASS"
