#!/bin/bash
# Request-path benchmark, everything in one run so that every figure meets the
# same load: the service's listener beside the reference server (the fixed
# design and nothing more, bench/request/reference_server.h) and nginx (one
# worker, `return 200`, HTTP/1.0, connection closed), in turns, ROUNDS times;
# then bursts of 200 clients connecting at once; then the cost of 1000 held
# idle connections.
#   bench/request/run.sh [BUILD_DIR] [SECONDS] [ROUNDS]
# Besides requests per second and latency, each line gives the server's CPU
# time per request, which other load on the machine disturbs less.
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
bin=${1:-$root/build/linux}/bin
seconds=${2:-5}
rounds=${3:-3}
work=$(mktemp -d)
svc_port=17666 nginx_port=17667 ref_port=17668 old_port=17669
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

cat > "$work/nginx.conf" <<CONF
daemon off;
worker_processes 1;
pid $work/nginx.pid;
error_log $work/error.log;
events { worker_connections 4096; }
http {
  access_log off;
  keepalive_timeout 0;
  client_body_temp_path $work; proxy_temp_path $work; fastcgi_temp_path $work;
  uwsgi_temp_path $work; scgi_temp_path $work;
  server { listen 127.0.0.1:$nginx_port; location / { return 200 "2.0.0.56\r\n"; } }
}
CONF

# start NAME COMMAND...: runs COMMAND with standard input from a fifo held
# open until the script ends; its pid in pid_NAME.
start() {
  local name=$1
  shift
  mkfifo "$work/$name.in"
  "$@" < "$work/$name.in" > /dev/null &
  pids+=($!)
  eval "pid_$name=$!"
  exec {fd}> "$work/$name.in"
}
/usr/sbin/nginx -c "$work/nginx.conf" -p "$work" &
pids+=($!)
start svc "$bin/bench_server" $svc_port
start ref "$bin/reference_server" $ref_port
# The service's listener with the backlog of 15 it had before, for the bursts.
start old env BENCH_LISTEN_QUEUE=15 "$bin/bench_server" $old_port
sleep 1

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# measure LABEL PID LOADGEN-ARGS...: one loadgen line with the server's CPU
# time per request added (PID -: not measured; nginx serves from a child).
measure() {
  local label=$1 pid=$2
  shift 2
  local before=0 out after=0 requests
  [ "$pid" = - ] || before=$(cpu_ticks "$pid")
  out=$("$bin/loadgen" "$@")
  [ "$pid" = - ] || after=$(cpu_ticks "$pid")
  requests=$(sed 's/.*requests=\([0-9]*\).*/\1/' <<< "$out")
  if [ "$pid" = - ]; then
    printf '%-22s %s\n' "$label" "$out"
  else
    printf '%-22s %s cpu_us_per_request=%s\n' "$label" "$out" \
      "$(((after - before) * 1000000 / $(getconf CLK_TCK) / (requests > 0 ? requests : 1)))"
  fi
}

echo "load before: $(uptime)"
for c in 1 16 100; do
  for r in $(seq 1 "$rounds"); do
    measure "service getVersion" "$pid_svc" run $svc_port 'getVersion\n' $c "$seconds"
    measure "reference getVersion" "$pid_ref" run $ref_port 'getVersion\n' $c "$seconds"
    measure "nginx return 200" - run $nginx_port 'GET / HTTP/1.0\r\n\r\n' $c "$seconds"
  done | tee "$work/c$c"
  # Medians over the rounds: service against reference (requests per second)
  # and against nginx (99th percentile).
  awk -v c=$c '
    function median(a, n,   i, j, t) {
      for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (a[j] < a[i]) { t = a[i]; a[i] = a[j]; a[j] = t }
      return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
    }
    { for (i = 1; i <= NF; i++) { split($i, kv, "="); v[kv[1]] = kv[2] } }
    /^service/   { s++; srps[s] = v["rps"]; sp99[s] = v["p99_us"] }
    /^reference/ { r++; rrps[r] = v["rps"] }
    /^nginx/     { n++; np99[n] = v["p99_us"] }
    END {
      for (i = 1; i <= s; i++) { ratio[i] = srps[i] / rrps[i]; p99[i] = sp99[i] / np99[i] }
      printf "concurrency %d: service/reference requests per second %.2f, service/nginx p99 %.2f (medians of %d rounds)\n",
             c, median(ratio, s), median(p99, s), s
    }' "$work/c$c"
done
echo "load after: $(uptime)"

# Workstations starting at the same minute: 200 clients at once, 20 times
# (with the old backlog 3 times: its clients wait for SYNs sent again after
# 1, 3, 7 seconds and more).
measure "burst service" "$pid_svc" burst $svc_port 'getVersion\n' 200 20
measure "burst reference" "$pid_ref" burst $ref_port 'getVersion\n' 200 20
measure "burst backlog 15" "$pid_old" burst $old_port 'getVersion\n' 200 3

rss() { awk '/VmRSS/ {print $2}' "/proc/$pid_svc/status"; }
threads() { awk '/Threads/ {print $2}' "/proc/$pid_svc/status"; }
base_rss=$(rss)
mkfifo "$work/hold_in"
"$bin/loadgen" hold $svc_port 1001 < "$work/hold_in" > "$work/hold_out" &
hold_pid=$!
exec 4> "$work/hold_in"
for _ in $(seq 1 120); do grep -q held "$work/hold_out" 2>/dev/null && break; sleep 1; done
held_rss=$(rss)
echo "hold 1001: $(cat "$work/hold_out")"
echo "server threads while holding: $(threads); RSS ${base_rss} KiB before, ${held_rss} KiB holding;" \
     "per connection: $(( (held_rss - base_rss) / 1000 )) KiB"
echo >&4
wait $hold_pid
echo "after: $(tail -1 "$work/hold_out")"
