#!/bin/bash
# The Linux service host end to end, as systemd would run it:
#   install silently (unit and its multi-user link in a scratch unit folder),
#   start with a notification socket, the protocol over TCP, pause (SIGUSR1)
#   with requests still answered, continue (SIGUSR2), stop (SIGTERM),
#   uninstall; installing twice and uninstalling twice fail; a port already
#   taken gives a start, a stop and the log entry; the console mode stops on
#   Ctrl+C (SIGINT).
# Usage: linux_service_host.sh SERVICE QUILLORY_REG
set -eu
service=$1 reg_tool=$2
work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill -KILL "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
unset JOURNAL_STREAM NOTIFY_SOCKET
fail() {
  echo "FAIL: $*" >&2
  for f in "$work"/*.log; do [ -f "$f" ] && { echo "--- $f"; cat "$f"; }; done >&2
  exit 1
}
source "$(dirname "$0")/scenario_lib.sh"
key='HKLM\Software\Tarnwick\Quillory\Server\Service'
reg() { "$reg_tool" -registry "$work/registry" add "$key" "$@" /f >/dev/null; }
notified() { grep -c "^$1\$" "$work/notify.log" 2>/dev/null || true; }
at_least() { [ "$(notified "$1")" -ge "$2" ]; }

units=$work/units
mkdir -p "$units"
unit=$units/QuillorySvr.service

echo "== install silently"
out=$("$service" -unitdir "$units" /INSTALL -Silent 2>&1) || fail "install: $out"
[ -z "$out" ] || fail "silent install printed: $out"
grep -qx "ExecStart=$service" "$unit" || fail "ExecStart in $(cat "$unit")"
"$service" -unitdir "$units" -uninstall -silent || fail "uninstall after the first install"
echo "== install with a moved settings store: the unit keeps it"
out=$("$service" -unitdir "$units" -registry "$work/registry" -install -silent 2>&1) || fail "install: $out"
grep -qx "ExecStart=$service -registry $work/registry" "$unit" || fail "ExecStart in $(cat "$unit")"
grep -qx "Type=notify" "$unit" || fail "Type"
grep -qx "WantedBy=multi-user.target" "$unit" || fail "WantedBy"
grep -qx "User=quillory" "$unit" || fail "the service's own account"
[ "$(readlink "$units/multi-user.target.wants/QuillorySvr.service")" = "$unit" ] || fail "not enabled"

echo "== install twice"
out=$("$service" -unitdir "$units" -install -silent 2>&1) && fail "second install succeeded"
[[ $out == 'Fehler: Service "Quillory Settings Server" konnte nicht installiert werden; Fehler: "Systemfehler.  Code: 17.'* ]] ||
  fail "second install said: $out"

echo "== start"
port=$(free_port)
reg /v Port /t REG_DWORD /d "$port"
reg /v ClientSettings /t REG_SZ /d "$work/clients/a/b"
socat -u UNIX-RECV:"$work/notify" - >"$work/notify.log" &
pids+=($!)
wait_for "notification socket" test -S "$work/notify"
NOTIFY_SOCKET=$work/notify "$service" -registry "$work/registry" >"$work/service.log" 2>&1 &
service_pid=$!
pids+=($service_pid)
wait_for "READY=1" at_least READY=1 1
wait_for "getVersion" answers "$port"
[ "$(request "$port" getName)" = "Quillory Settings Server" ] || fail "getName"
[ -d "$work/clients/a/b" ] || fail "client settings folder not created"

echo "== pause, requests still answered"
kill -USR1 "$service_pid"
wait_for "paused" at_least STATUS=paused 1
answers "$port" || fail "no answer while paused"

echo "== continue"
kill -USR2 "$service_pid"
wait_for "running again" at_least STATUS=running 2
answers "$port" || fail "no answer after continue"

echo "== stop"
kill -TERM "$service_pid"
rc=0
timeout 10 tail --pid="$service_pid" -f /dev/null || fail "did not end"
wait "$service_pid" || rc=$?
[ "$rc" -eq 0 ] || fail "exit code $rc"
wait_for "STOPPING=1" at_least STOPPING=1 1
wait_for "stopped" at_least STATUS=stopped 1
listening "$port" && fail "port still bound"
[ ! -s "$work/service.log" ] || fail "unexpected output"

echo "== uninstall"
out=$("$service" -unitdir "$units" -uninstall -silent 2>&1) || fail "uninstall: $out"
[ ! -e "$unit" ] && [ ! -L "$units/multi-user.target.wants/QuillorySvr.service" ] || fail "unit left"
out=$("$service" -unitdir "$units" -uninstall -silent 2>&1) && fail "second uninstall succeeded"
[[ $out == *'konnte nicht deinstalliert werden; Fehler: "Systemfehler.  Code: 2.'* ]] ||
  fail "second uninstall said: $out"

echo "== port already taken"
taken=$(free_port)
socat TCP4-LISTEN:"$taken",bind=0.0.0.0,reuseaddr,fork EXEC:true &
pids+=($!)
wait_for "taken port" listening "$taken"
reg /v Port /t REG_DWORD /d "$taken"
: >"$work/notify.log"
rc=0
NOTIFY_SOCKET=$work/notify timeout 10 "$service" -registry "$work/registry" >"$work/taken.log" 2>&1 || rc=$?
[ "$rc" -eq 1 ] || fail "exit code $rc: a failed run must end in a failure"
wait_for "stopped" at_least STATUS=stopped 1
[ "$(notified READY=1)" = 1 ] || fail "no start before the stop"
grep -qx "QuillorySvr: Service fehlgeschlagen bei execute:Could not bind socket. Address and port are already in use." \
  "$work/taken.log" || fail "log entry"

echo "== console mode stops on Ctrl+C"
reg /v Port /t REG_DWORD /d "$port"
"$service" -registry "$work/registry" -console >"$work/console.log" 2>&1 &
console_pid=$!
pids+=($console_pid)
wait_for "console getVersion" answers "$port"
kill -INT "$console_pid"
rc=0
wait "$console_pid" || rc=$?
[ "$rc" -eq 0 ] || fail "console exit code $rc"
grep -qx "QuillorySvr: running" "$work/console.log" || fail "console: no running"
grep -qx "QuillorySvr: stopped" "$work/console.log" || fail "console: no stopped"
echo "PASS"
