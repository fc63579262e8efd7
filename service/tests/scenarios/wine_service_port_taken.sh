#!/bin/bash
# The port already taken: the start succeeds, the service stops at once and
# the event log holds "Service fehlgeschlagen bei execute:..." (Wine prints
# ReportEventW entries on its "eventlog" channel into the session log).
# Usage: wine_service_port_taken.sh SERVICE_EXE SERVICE_CONTROL_EXE (unused)
source "$(dirname "$0")/wine_lib.sh"
wine_session scenario-service-port-taken
install_service "$1"
port=$(free_port)
socat TCP4-LISTEN:"$port",bind=0.0.0.0,reuseaddr,fork EXEC:true &
taker=$!
cleanups+=("kill $taker; wait $taker")
wait_for "taken port" listening "$port"
set_port "$port"
timeout 60 wine "$svc_exe" /install /silent </dev/null || fail "install exit code $?"

echo "== start with the port taken"
w sc start QuillorySvr | grep -q "FAILED" && fail "the start request failed"
wait_for "STOPPED" state_is STOPPED
expected='err:eventlog:ReportEventW L"Service fehlgeschlagen bei execute:Could not bind socket. Address and port are already in use."'
wait_for "event-log entry" grep -qF "$expected" "$WINEPREFIX/session.log"
[ "$(grep -c 'err:eventlog:ReportEventW' "$WINEPREFIX/session.log")" = 1 ] || fail "more than one entry"
echo "PASS"
