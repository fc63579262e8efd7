# Shared helpers of the Configurator's Wine scenarios (sourced, not run).
#
# scenario_begin NAME BIN_DIR ARTIFACTS WORK: a fresh prefix at WORK/prefix,
# our own Xvfb ($QUILLORY_DISPLAY, or a free one), Wine drawing the
# window frames, everything stopped again on exit. Every wait is bounded.

log() { echo "[$scenario] $*"; }
fail() {
  echo "[$scenario] FAIL: $*" >&2
  shot "$scenario-failure"
  exit 1
}

scenario_begin() {
  scenario=$1
  mkdir -p "$3" "$4"
  bin=$(cd "$2" && pwd) artifacts=$(cd "$3" && pwd) work=$(cd "$4" && pwd)
  root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
  rm -f "$artifacts/configurator-$scenario-failure.png"
  file "$bin/Configurator.exe" | grep -q 'PE32+' || { echo "Configurator.exe missing or not 64-bit" >&2; exit 1; }

  export WINEPREFIX="$work/prefix" WINEARCH=win64 WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  "$root/scripts/wine-prefix" "$WINEPREFIX" >/dev/null

  trap scenario_end EXIT
  . "$root/scripts/xvfb.sh"
  start_own_xvfb 1280x1024x24 "$work/xvfb.log"
  # Without a window manager Wine draws the caption and border itself.
  timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
}

scenario_end() {
  local status=$?
  timeout 30 wineserver -k >/dev/null 2>&1 || true
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  exit $status
}

# shot NAME: a screenshot of the whole screen as ARTIFACTS/configurator-NAME.png.
shot() {
  /usr/bin/import -display "$DISPLAY" -window root "$artifacts/configurator-$1.png" 2>/dev/null || true
}

# skin_extract SKINTOOL ARCHIVE: the bitmaps and values of the skin compiled
# into the program, for skin_check, into $work/skin.
skin_extract() {
  rm -rf "$work/skin"
  "$1" extract "$2" "$work/skin" >/dev/null && "$1" list "$2" >"$work/skin/values.txt" ||
    fail "skintool could not read $2"
}

# skin_check SHOT CHECK ARGS...: checks the screenshot ARTIFACTS/configurator-SHOT.png
# against the skin (see skin_shot_check.py).
skin_check() {
  local shot=$1
  shift
  python3 "$root/configurator/e2e/skin_shot_check.py" "$work/skin" "$artifacts/configurator-$shot.png" "$@" ||
    fail "$shot: the skin's $1 check failed"
}

# page_points X,Y...: the points of the page in view as screen points.
page_points() {
  local p
  for p in "$@"; do echo "$((page_x + ${p%,*})),$((page_y + ${p#*,}))"; done
}

# start_configurator: runs the program with the traces the checks read (help
# calls, message box texts, texts set into edit fields) and sets $win to its
# main window.
start_configurator() {
  WINEDEBUG=-all,trace+htmlhelp,trace+msgbox,trace+edit timeout 300 wine "$bin/Configurator.exe" \
    >"$work/configurator.log" 2>&1 &
  configurator_pid=$!
  win=$(timeout 30 xdotool search --sync --name '^Quillory Server - Version' | head -1)
  [ -n "$win" ] || fail "the main window did not appear"
  sleep 1  # the first paint
  page_origin
}

# probe ARGS...: asks window_probe.exe inside the session (focus, owner,
# activate; see window_probe.cc).
probe() { timeout 30 wine "$bin/window_probe.exe" "$@" 2>/dev/null | tr -d '\r'; }

# focus_is CLASS|TEXT: the focused control of the main window (empty: the
# window is not active), for wait_for.
focus_is() { [ "$(probe focus)" = "$1" ]; }

# page_origin: sets $page_x $page_y to the screen position of the page in
# view's top left corner, wherever the frame (system or skinned), menu bar
# and tab row put it. Both pages lie in the same place and the window does
# not move, so it is asked once.
page_origin() {
  [ -n "${page_y:-}" ] && return
  read -r page_x page_y <<<"$(probe page)"
  [ -n "${page_y:-}" ] || fail "no page of the main window in view"
}

# click_page X Y: a click at the given point of the page in view.
click_page() {
  page_origin
  xdotool mousemove $((page_x + $1)) $((page_y + $2)) click 1
}

# pixel_at X Y: the colour of a point of the page in view, from a fresh
# screenshot, as RRGGBB.
pixel_at() {
  page_origin
  /usr/bin/import -display "$DISPLAY" -window root "$work/pixel.png" 2>/dev/null
  /usr/bin/convert "$work/pixel.png" -format '%[hex:p{'$((page_x + $1))','$((page_y + $2))'}]' info: | cut -c1-6
}

# area_has X Y W H RRGGBB: the colour appears in that area of the page.
area_has() {
  page_origin
  /usr/bin/import -display "$DISPLAY" -window root "$work/area.png" 2>/dev/null
  /usr/bin/convert "$work/area.png" -crop "$3x$4+$((page_x + $1))+$((page_y + $2))" \
    -unique-colors txt:- | grep -qi "#$5"
}

# not COMMAND...: succeeds when COMMAND fails (for wait_for).
not() { ! "$@"; }

# pixel_is X Y RRGGBB, port_is N: conditions for wait_for.
pixel_is() { [ "$(pixel_at "$1" "$2")" = "$3" ]; }
port_is() { [ "$(registry_port)" = "$1" ]; }

# wait_for SECONDS COMMAND...: polls COMMAND until it succeeds (COMMAND is
# run anew each time, so give it a function, not an expanded value).
wait_for() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.2
  done
}

# registry_port: the stored port in decimal, or nothing.
registry_port() {
  local value
  value=$(timeout 30 wine reg query 'HKLM\Software\Tarnwick\Quillory\Server\Service' /v Port /reg:32 \
    2>/dev/null | tr -d '\r' | awk '$1 == "Port" { print $3 }')
  [ -n "$value" ] && printf '%d\n' "$value"
}

# registry_folder: the stored client settings folder, or nothing.
registry_folder() {
  timeout 30 wine reg query 'HKLM\Software\Tarnwick\Quillory\Server\Service' /v ClientSettings /reg:32 \
    2>/dev/null | tr -d '\r' | sed -n 's/^ *ClientSettings *REG_SZ *//p'
}

# decode_debugstr: turns Wine's trace form of a string (L"..." with \r, \n,
# \", \\ and \XXXX for other characters) on stdin into the text itself.
decode_debugstr() {
  perl -CS -ne 'chomp; s/^L"(.*)"$/$1/;
    s/\\([0-9a-f]{4}|.)/length($1) == 4 ? chr(hex $1) : ($1 eq "r" ? "\r" : $1 eq "n" ? "\n" : $1 eq "t" ? "\t" : $1)/ge;
    print "$_\n"'
}

# log_mark: the number of trace lines so far, for the *_since helpers.
log_mark() { grep -ac '' "$work/configurator.log"; }

# edit_texts_since MARK: the texts set into edit fields after MARK, one a line.
edit_texts_since() {
  tail -n +$(($1 + 1)) "$work/configurator.log" | grep -a 'trace:edit:EDIT_WM_SetText L"' |
    sed 's/.*EDIT_WM_SetText //' | decode_debugstr
}

# edit_text_set_since MARK TEXT: TEXT was set into an edit field after MARK.
edit_text_set_since() { edit_texts_since "$1" | grep -qxF -- "$2"; }

# message_boxes_since MARK: the number of message boxes opened after MARK.
message_boxes_since() {
  tail -n +$(($1 + 1)) "$work/configurator.log" | grep -ac 'trace:msgbox:MSGBOX_OnInit'
}

# message_box_window: prints the window of an open message box titled
# "Konfigurator", or fails. The application window carries the same title
# but is no dialog (and only 1x1 pixel small), so it is told apart by its type.
message_box_window() {
  local w
  for w in $(xdotool search --onlyvisible --name '^Konfigurator$' 2>/dev/null); do
    if xprop -display "$DISPLAY" -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q DIALOG; then
      echo "$w"
      return 0
    fi
  done
  return 1
}

# wait_for_value SECONDS COMMAND...: like wait_for, printing what COMMAND
# printed when it succeeded.
wait_for_value() {
  local deadline=$((SECONDS + $1)) out
  shift
  until out=$("$@"); do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.2
  done
  echo "$out"
}

# application_window: the X window of the program's taskbar entry: a
# "Konfigurator" window that does not skip the taskbar; the main window
# skips it and belongs to that one.
application_window() {
  local w
  for w in $(xdotool search --name '^Konfigurator$' 2>/dev/null); do
    xprop -display "$DISPLAY" -id "$w" _NET_WM_STATE 2>/dev/null | grep -q SKIP_TASKBAR && continue
    echo "$w"
    return 0
  done
  return 1
}

# message_box_text: waits for a message box titled "Konfigurator" and prints
# the text it shows (from the message box trace, lines joined by CR LF),
# then closes it.
message_box_text() {
  local box
  box=$(wait_for_value 30 message_box_window)
  [ -n "$box" ] || return 1
  sleep 0.5
  grep -a 'trace:msgbox:MSGBOX_OnInit' "$work/configurator.log" | tail -1 | sed 's/.*MSGBOX_OnInit //' |
    decode_debugstr
  xdotool key --window "$box" Return
  wait_for 10 not message_box_window >/dev/null
}
