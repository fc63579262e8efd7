#!/bin/bash
# Installing twice: the second run shows the install error box with error
# 1073 (the service exists already), also with SILENT; the test reads the box
# on Wine's message-box trace channel and closes it with xdotool under Xvfb.
# Usage: wine_service_install_twice.sh SERVICE_EXE SERVICE_CONTROL_EXE (unused)
source "$(dirname "$0")/wine_lib.sh"
start_xvfb

wine_session scenario-service-install-twice
install_service "$1"
timeout 60 wine "$svc_exe" /install /silent </dev/null || fail "first install exit code $?"

echo "== install twice"
WINEDEBUG=-all,trace+msgbox timeout 60 wine "$svc_exe" /install /silent </dev/null >"$WINEPREFIX/box.log" 2>&1 &
second=$!
window=$(timeout 30 xdotool search --sync --name '^Fehler$' | head -1) || fail "no error box"
[ -n "$window" ] || fail "no error box"
sleep 0.5
xdotool key --window "$window" Return 2>/dev/null || true
for _ in $(seq 1 50); do kill -0 "$second" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$second" 2>/dev/null; then
  geometry=$(xdotool getwindowgeometry --shell "$window")
  eval "$geometry"
  xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 20)) click 1
fi
rc=0
wait "$second" || rc=$?
[ "$rc" = 1 ] || fail "second install exit code $rc"
# Wine traces the box's text with quotes and line breaks escaped.
box='MSGBOX_OnInit L"Service \"Quillory Settings Server\" konnte nicht installiert werden; Fehler: \"Systemfehler.  Code: 1073.\r\n'
grep -qF "$box" "$WINEPREFIX/box.log" || { cat "$WINEPREFIX/box.log" >&2; fail "no error box with 1073"; }
echo "PASS"
