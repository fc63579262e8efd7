#!/bin/bash
# The Configurator under Wine driving the real service: "Dienst starten"
# starts it (the service control manager reports it running and it answers
# on its port), "Dienst neu starten" stops and starts it so that a port typed
# into the field meanwhile takes effect, "Dienst stoppen" stops it; the
# light follows. The window is skinned as shipped.
#
# service_scenario.sh BIN_DIR ARTIFACT_DIR WORK_DIR VERSION
# Exits 77 (skipped) when Service.exe has not been built.
set -u
if [ ! -f "$1/Service.exe" ]; then
  echo "SKIP: $1/Service.exe is not built, so the Configurator cannot drive the real service"
  exit 77
fi
source "$(dirname "$0")/lib.sh"
scenario_begin service "$1" "$2" "$3"
version=$4
port=${QUILLORY_TEST_PORT:-26466}  # away from the default, which a running server may hold
new_port=$((port + 1))              # taken over by the restart

# service_state: the state word of "sc query", e.g. RUNNING.
service_state() {
  timeout 30 wine sc query QuillorySvr 2>/dev/null | tr -d '\r' | awk '$1 == "STATE" { print $4 }'
}

# ask_version PORT: the service's answer to getVersion on 127.0.0.1.
ask_version() {
  (
    exec 3<>"/dev/tcp/127.0.0.1/$1" || exit 1
    printf 'getVersion\n' >&3
    IFS= read -r -t 5 line <&3 || exit 1
    printf '%s\n' "${line%$'\r'}"
  ) 2>/dev/null
}

# port_closed PORT, state_is STATE, version_is PORT VERSION: conditions.
port_closed() { ! (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }
state_is() { [ "$(service_state)" = "$1" ]; }
version_is() { [ "$(ask_version "$1")" = "$2" ]; }

# A persistent session, so that the service outlives the commands that
# start it; the session's first process hands its output to services.exe.
timeout 30 wineserver -w || true
wineserver -p
WINEDEBUG=-all,err+eventlog timeout 60 wine cmd /c exit </dev/null >"$work/session.log" 2>&1

timeout 60 wine "$bin/Service.exe" /INSTALL /SILENT >/dev/null 2>&1 || fail "Service.exe /INSTALL failed"
timeout 30 wine reg add 'HKLM\Software\Tarnwick\Quillory\Server\Service' /v Port /t REG_DWORD \
  /d "$port" /f /reg:32 >/dev/null 2>&1
[ "$(service_state)" = STOPPED ] || timeout 60 wine sc stop QuillorySvr >/dev/null 2>&1
wait_for 30 state_is STOPPED || fail "the service is not stopped before the test"
log "service installed, port $port"

start_configurator
[ "$(probe skin | cut -d' ' -f1)" = 1 ] || fail "the main window is not skinned"
xdotool key --window "$win" ctrl+Tab
wait_for 10 pixel_is 167 31 D42020 || fail "the light is not red for the stopped service"

click_page 510 436  # Dienst starten
wait_for 60 pixel_is 167 31 20B030 || fail "the light did not turn green after the start"
[ "$(service_state)" = RUNNING ] || fail "sc query says $(service_state) after the start"
wait_for 30 version_is "$port" "$version" || fail "the service does not answer on port $port"
shot service-running
log "Dienst starten: RUNNING, getVersion answers $(ask_version "$port")"

# A new port in the field reaches the registry at once; the running service
# keeps the old one until "Dienst neu starten" stops and starts it.
click_page 150 70
xdotool key --window "$win" End BackSpace BackSpace BackSpace BackSpace BackSpace
xdotool type --window "$win" "$new_port"
wait_for 10 port_is "$new_port" || fail "typed port $new_port not stored"
version_is "$port" "$version" || fail "the service left port $port before the restart"
click_page 512 389  # Dienst neu starten
wait_for 60 version_is "$new_port" "$version" || fail "the service does not answer on port $new_port after the restart"
wait_for 60 pixel_is 167 31 20B030 || fail "the light is not green after the restart"
[ "$(service_state)" = RUNNING ] || fail "sc query says $(service_state) after the restart"
port_closed "$port" || fail "port $port still open after the restart"
log "Dienst neu starten: RUNNING, getVersion answers on port $new_port, port $port closed"

click_page 365 436  # Dienst stoppen
wait_for 60 pixel_is 167 31 D42020 || fail "the light did not turn red after the stop"
wait_for 30 state_is STOPPED || fail "sc query says $(service_state) after the stop"
wait_for 30 port_closed "$new_port" || fail "port $new_port still open after the stop"
log "Dienst stoppen: STOPPED, port closed"

xdotool key --window "$win" alt+F4
wait_for 30 bash -c "! kill -0 $configurator_pid 2>/dev/null" || fail "the program did not end"
timeout 60 wine "$bin/Service.exe" /UNINSTALL /SILENT >/dev/null 2>&1 || true
log "PASS"
