# Sourced by the service scenarios (Linux and Wine): ports, requests over
# TCP from Linux, bounded waits. The sourcing script defines fail().

# wait_for WHAT COMMAND...: up to 15 s
wait_for() {
  local what=$1; shift
  for _ in $(seq 1 150); do "$@" && return 0; sleep 0.1; done
  fail "timed out waiting for $what"
}

free_port() {
  local p
  for _ in $(seq 1 50); do
    p=$((20000 + RANDOM % 20000))
    ss -Hltn "( sport = :$p )" | grep -q . || { echo "$p"; return; }
  done
  fail "no free port"
}
listening() { ss -Hltn "( sport = :$1 )" | grep -q .; }

# request PORT LINE: the reply over 127.0.0.1, CR LF removed.
request() {
  timeout 5 bash -c "exec 3<>/dev/tcp/127.0.0.1/$1 && printf '%s\n' '$2' >&3 && cat <&3" | tr -d '\r'
}
answers() { [ "$(request "$1" getVersion 2>/dev/null)" = "2.0.0.56" ]; }
