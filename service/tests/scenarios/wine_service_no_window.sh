#!/bin/bash
# Service.exe is a windowed program that opens no window: started by hand
# without a switch (here through "start", which gives a console program a
# console window of its own, as a double click does) it ends at once with
# exit status 1 and the dispatcher's error in the event log, and no window
# appears meanwhile (X window list under Xvfb). -console logs its states to
# the stream it was given, answers requests and stops on Ctrl+C (SIGINT from
# the terminal) with exit status 0.
# Usage: wine_service_no_window.sh SERVICE_EXE SERVICE_CONTROL_EXE (unused)
source "$(dirname "$0")/wine_lib.sh"
start_xvfb

wine_session scenario-service-no-window
install_service "$1"
windows() { xdotool search --onlyvisible --name '.*' 2>/dev/null | wc -l; }

echo "== started by hand without a switch"
before=$(windows)
WINEDEBUG=-all,err+eventlog timeout 60 wine start /wait "$svc_exe" </dev/null >"$WINEPREFIX/hand.log" 2>&1 &
hand=$!
most=$before
for _ in $(seq 1 300); do
  n=$(windows)
  [ "$n" -gt "$most" ] && most=$n
  kill -0 "$hand" 2>/dev/null || break
  sleep 0.05
done
rc=0
wait "$hand" || rc=$?
[ "$rc" = 1 ] || fail "exit status $rc, expected 1"
[ "$most" = "$before" ] || fail "a window appeared ($before visible windows before, $most during the run)"
grep -q 'err:eventlog:ReportEventW L"Service controller connect failed."' "$WINEPREFIX/hand.log" \
  || { cat "$WINEPREFIX/hand.log" >&2; fail "no event-log entry of the failed dispatcher"; }

echo "== -console"
port=$(free_port)
set_port "$port"
timeout 60 wine "$svc_exe" -console </dev/null >"$WINEPREFIX/console.log" 2>&1 &
console=$!
wait_for "getVersion from the console run" answers "$port"
kill -INT "$console"
rc=0
wait "$console" || rc=$?
[ "$rc" = 0 ] || { cat "$WINEPREFIX/console.log" >&2; fail "console exit status $rc"; }
tr -d '\r' <"$WINEPREFIX/console.log" >"$WINEPREFIX/console.txt"
for state in running "stop pending" stopped; do
  grep -qx "QuillorySvr: $state" "$WINEPREFIX/console.txt" || { cat "$WINEPREFIX/console.log" >&2; fail "console: no $state"; }
done
listening "$port" && fail "port still bound after the console run"
echo "PASS"
