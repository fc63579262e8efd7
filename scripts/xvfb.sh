# Sourced by test scripts that need a screen: start_own_xvfb GEOMETRY LOG starts
# our own Xvfb and exports DISPLAY. The display is $QUILLORY_DISPLAY when set;
# otherwise the server picks a free one (-displayfd), so scenarios running
# side by side never share or steal a screen. Sets xvfb_pid; the caller stops
# it (and only it) on exit. Waits at most 10 s for the server to answer.
start_own_xvfb() {
  local geometry=$1 log=$2
  if [ -n "${QUILLORY_DISPLAY:-}" ]; then
    Xvfb "$QUILLORY_DISPLAY" -screen 0 "$geometry" -nolisten tcp >"$log" 2>&1 &
    xvfb_pid=$!
    export DISPLAY=$QUILLORY_DISPLAY
  else
    local number_file="$log.display"
    rm -f "$number_file"
    Xvfb -displayfd 3 -screen 0 "$geometry" -nolisten tcp 3>"$number_file" >"$log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
      grep -q '[0-9]' "$number_file" 2>/dev/null && break
      sleep 0.1
    done
    grep -q '[0-9]' "$number_file" 2>/dev/null || { echo "Xvfb did not start (see $log)" >&2; return 1; }
    export DISPLAY=":$(tr -dc 0-9 <"$number_file")"
  fi
  for _ in $(seq 100); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "Xvfb on $DISPLAY does not answer (see $log)" >&2
  return 1
}
