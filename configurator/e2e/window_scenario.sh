#!/bin/bash
# The Configurator under Wine and Xvfb, without the service installed:
# caption with the version, both pages (screenshots kept as artifacts), F1 at
# the topic of each page, the port field writing the registry at once with
# its limits, the start failure message, and the final save on closing.
#
# window_scenario.sh BIN_DIR ARTIFACT_DIR WORK_DIR VERSION
set -u
source "$(dirname "$0")/lib.sh"
scenario_begin window "$1" "$2" "$3"
version=$4

# help_opened HEXCONTEXT PAGE: the viewer was asked for the context number
# and resolved it to the page inside the help file.
help_opened() {
  grep -aq "HtmlHelpW.*Quillory.chm.*HH_HELP_CONTEXT.*data=$1" "$work/configurator.log" &&
    grep -aq "FindContextAlias returning \"/$2\"" "$work/configurator.log"
}

# close_help: closes the help viewer's window again.
close_help() {
  local help
  help=$(timeout 20 xdotool search --sync --name 'Hilfe$' | head -1)
  [ -n "$help" ] || fail "the help window did not appear"
  xdotool key --window "$help" alt+F4
  wait_for 10 bash -c "! xdotool search --name 'Hilfe\$' >/dev/null 2>&1" || fail "help window stays open"
  : >"$work/configurator.log.mark"
}

start_configurator
caption=$(xdotool getwindowname "$win")
[ "$caption" = "Quillory Server - Version $version" ] || fail "caption is '$caption'"
log "caption: $caption"
shot allgemeines

xdotool key --window "$win" F1
wait_for 20 help_opened 3f2 allgemeines.htm || fail "F1 on the About page did not open topic 1010"
log "F1 on the About page: topic 1010"
close_help

# The web address lights up under the mouse and goes back afterwards.
window_origin
xdotool mousemove $((wx + page_dx + 540)) $((wy + page_dy + 246))
wait_for 10 area_has 380 238 175 20 FF6633 || fail "the web label does not light up under the mouse"
xdotool mousemove $((wx + page_dx + 300)) $((wy + page_dy + 30))
wait_for 10 not area_has 380 238 175 20 FF6633 || fail "the web label stays lit"
log "web label: hover look on and off"

xdotool key --window "$win" ctrl+Tab
wait_for 10 pixel_is 167 31 D42020 || fail "the light is not red without the service"
shot serverdienst

xdotool key --window "$win" F1
wait_for 20 help_opened 3e8 serverdienst.htm || fail "F1 on the service page did not open topic 1000"
log "F1 on the service page: topic 1000"
close_help

# Every change of the field reaches the registry at once.
[ "$(registry_port)" = 6666 ] || fail "port not stored when the page was shown"
click_page 150 70
xdotool key --window "$win" End BackSpace BackSpace BackSpace BackSpace 7 0 0 1
wait_for 10 port_is 7001 || fail "typed port 7001 not stored (is $(registry_port))"
log "typed 7001: stored"
xdotool key --window "$win" 0
wait_for 10 port_is 65535 || fail "70010 not limited to 65535"
xdotool key --window "$win" End BackSpace BackSpace BackSpace BackSpace BackSpace
wait_for 10 port_is 0 || fail "an empty field does not store 0"
xdotool key --window "$win" 6 6 6 7
wait_for 10 port_is 6667 || fail "typed port 6667 not stored"
log "limits: 70010 stored 65535, empty stored 0"

# "Dienst starten" without the service: the failure names the port.
click_page 510 436
text=$(message_box_text) || fail "no message box after Dienst starten"
[ "$text" = "Der Server konnte nicht auf Port: 6667 gestartet werden!" ] || fail "message: '$text'"
log "start without service: $text"
wait_for 10 pixel_is 167 31 D42020 || fail "the light is not red after the failed start"

# Closing saves both values once more.
timeout 30 wine reg delete 'HKLM\Software\Tarnwick\Quillory\Server\Service' /v ClientSettings /f /reg:32 \
  >/dev/null 2>&1
xdotool key --window "$win" alt+F4
wait_for 30 bash -c "! kill -0 $configurator_pid 2>/dev/null" || fail "the program did not end"
timeout 30 wine reg query 'HKLM\Software\Tarnwick\Quillory\Server\Service' /v ClientSettings /reg:32 \
  2>/dev/null | grep -q 'Tarnwick\\Quillhaven\\ClientConfig' || fail "ClientSettings not saved on closing"
[ "$(registry_port)" = 6667 ] || fail "port changed on closing"
log "closing saved both values"
log "PASS (screenshots in $artifacts)"
