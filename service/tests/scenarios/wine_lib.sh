# Sourced by the Wine service scenarios: a fresh prefix with a session that
# outlives single Wine calls, and the helpers the scenarios share.
#
#   source wine_lib.sh
#   wine_session NAME       # fresh prefix build/wine/NAME, persistent server,
#                           # booted session whose services log to session.log
#   install_service EXE     # copies EXE to C:\Program Files\Quillory Server
#   start_xvfb              # an X server of its own for scenarios with windows
#                           # (call before wine_session)
#
# Every Wine call is bounded; the EXIT trap ends the prefix's wineserver (and
# with it every Wine process of the scenario) and removes the prefix.
set -eu
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)
svc_key='HKLM\System\CurrentControlSet\Services\QuillorySvr'
settings_key='HKLM\Software\Tarnwick\Quillory\Server\Service'
svc_exe='C:\Program Files\Quillory Server\Service.exe'
cleanups=()
source "$(dirname "${BASH_SOURCE[0]}")/scenario_lib.sh"

fail() {
  echo "FAIL: $*" >&2
  [ -f "${WINEPREFIX:-/nonexistent}/session.log" ] && { echo "--- session.log"; tail -40 "$WINEPREFIX/session.log"; } >&2
  exit 1
}

on_exit() {
  for c in "${cleanups[@]}"; do eval "$c" || true; done
  if [ -n "${WINEPREFIX:-}" ]; then
    timeout 20 wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
  fi
}
trap on_exit EXIT

wine_session() {
  export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEPREFIX=$repo/build/wine/$1
  # The session's desktop takes the display it boots with; scenarios with
  # windows set DISPLAY (and keep_display=1) before calling this.
  [ "${keep_display:-0}" = 1 ] || unset DISPLAY
  "$repo/scripts/wine-prefix" "$WINEPREFIX" >/dev/null
  timeout 10 wineserver -p
  # services.exe and every service inherit this stderr: a file, never a pipe.
  WINEDEBUG=-all,err+eventlog timeout 60 wine cmd /c exit </dev/null >"$WINEPREFIX/session.log" 2>&1
}

start_xvfb() {
  . "$repo/scripts/xvfb.sh"
  local log
  log=$(mktemp)
  cleanups+=("rm -f $log $log.display")
  start_own_xvfb 1024x768x24 "$log" || return 1
  cleanups+=("kill $xvfb_pid; wait $xvfb_pid")
  export keep_display=1
}

# w ARGS...: a Wine command's output, bounded, CR removed.
w() { timeout 60 wine "$@" </dev/null 2>/dev/null | tr -d '\r'; }

install_service() {
  local folder="$WINEPREFIX/drive_c/Program Files/Quillory Server"
  mkdir -p "$folder"
  cp "$1" "$folder/Service.exe"
}

state_is() { w sc query QuillorySvr | grep -q "STATE.*$1"; }

set_port() {
  w reg add "$settings_key" /v Port /t REG_DWORD /d "$1" /reg:32 /f >/dev/null
}
