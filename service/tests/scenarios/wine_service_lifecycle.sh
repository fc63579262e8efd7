#!/bin/bash
# Service.exe against Wine's service control manager and sc.exe: install
# silently (automatic start, LocalSystem, quoted path), start, the protocol
# over TCP from Linux, pause with requests still answered, continue, stop,
# query STOPPED, uninstall.
# Usage: wine_service_lifecycle.sh SERVICE_EXE SERVICE_CONTROL_EXE
source "$(dirname "$0")/wine_lib.sh"
wine_session scenario-service-lifecycle
install_service "$1"
port=$(free_port)
set_port "$port"
w reg add "$settings_key" /v ClientSettings /t REG_SZ /d 'C:\Clients\Quillory' /reg:32 /f >/dev/null

echo "== install silently"
timeout 60 wine "$svc_exe" /INSTALL /silent </dev/null || fail "install exit code $?"
entry=$(w reg query "$svc_key")
grep -Eq 'Start +REG_DWORD +0x2$' <<<"$entry" || fail "start type: $entry"
grep -Eq 'Type +REG_DWORD +0x10$' <<<"$entry" || fail "service type: $entry"
grep -Eq 'ErrorControl +REG_DWORD +0x1$' <<<"$entry" || fail "error control: $entry"
grep -Eq 'ObjectName +REG_SZ +LocalSystem$' <<<"$entry" || fail "account: $entry"
grep -Fq '"C:\Program Files\Quillory Server\Service.exe"' <<<"$entry" || fail "path: $entry"
grep -Eq 'DisplayName +REG_SZ +Quillory Settings Server$' <<<"$entry" || fail "display name: $entry"

echo "== start"
w sc start QuillorySvr >/dev/null
wait_for "RUNNING" state_is RUNNING
wait_for "getVersion" answers "$port"
[ "$(request "$port" getName)" = "Quillory Settings Server" ] || fail "getName"
[ "$(request "$port" nonsense)" = "ungueltige Eingabe" ] || fail "unknown command"
[ -d "$WINEPREFIX/drive_c/Clients/Quillory" ] || fail "client settings folder not created"

echo "== pause, requests still answered"
w "$2" QuillorySvr pause >/dev/null || fail "pause refused"
wait_for "PAUSED" state_is PAUSED
answers "$port" || fail "no answer while paused"
[ "$(w "$2" QuillorySvr interrogate)" = "STATE 7" ] || fail "interrogate while paused"

echo "== continue"
w "$2" QuillorySvr continue >/dev/null || fail "continue refused"
wait_for "RUNNING again" state_is RUNNING
answers "$port" || fail "no answer after continue"

echo "== stop"
w sc stop QuillorySvr >/dev/null
wait_for "STOPPED" state_is STOPPED
listening "$port" && fail "port still bound"
grep -q "err:eventlog" "$WINEPREFIX/session.log" && fail "unexpected event-log entries"

echo "== uninstall"
timeout 60 wine "$svc_exe" -uninstall -SILENT </dev/null || fail "uninstall exit code $?"
timeout 60 wine reg query "$svc_key" </dev/null >/dev/null 2>&1 && fail "service still registered"
echo "PASS"
