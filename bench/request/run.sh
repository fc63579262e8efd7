#!/bin/bash
# Request-path benchmark: the service's listener beside nginx (one worker,
# `return 200`, HTTP/1.0, connection closed) in the same run, then the cost
# of 1000 held idle connections.
#   bench/request/run.sh [BUILD_DIR] [SECONDS]
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
bin=${1:-$root/build/linux}/bin
seconds=${2:-5}
work=$(mktemp -d)
svc_port=17666 nginx_port=17667
cleanup() {
  [ -n "${nginx_pid:-}" ] && kill "$nginx_pid" 2>/dev/null || true
  [ -n "${svc_pid:-}" ] && kill "$svc_pid" 2>/dev/null || true
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
/usr/sbin/nginx -c "$work/nginx.conf" -p "$work" &
nginx_pid=$!
mkfifo "$work/svc_in"
"$bin/bench_server" $svc_port < "$work/svc_in" > "$work/svc_out" &
svc_pid=$!
exec 3> "$work/svc_in"
sleep 1

for c in 1 16 100; do
  echo "service getVersion:  $("$bin/loadgen" run $svc_port 'getVersion\n' $c "$seconds")"
  echo "nginx return 200:    $("$bin/loadgen" run $nginx_port 'GET / HTTP/1.0\r\n\r\n' $c "$seconds")"
done

# Where the difference comes from: the same listener with a longer listen
# queue (clients at high concurrency otherwise meet SYN retransmits of 1 s and
# more), and without the reverse lookup (the resolver reads its files anew on
# every connection).
diag_port=17668
for variant in BENCH_LISTEN_QUEUE=511 BENCH_NO_LOOKUP=1; do
  mkfifo "$work/diag_in_$variant"
  env "$variant" "$bin/bench_server" $diag_port < "$work/diag_in_$variant" > /dev/null &
  diag_pid=$!
  exec 5> "$work/diag_in_$variant"
  sleep 1
  for c in 16 100; do
    echo "diagnosis $variant: $("$bin/loadgen" run $diag_port 'getVersion\n' $c "$seconds")"
  done
  exec 5>&-
  wait $diag_pid
done

rss() { awk '/VmRSS/ {print $2}' /proc/$svc_pid/status; }
threads() { awk '/Threads/ {print $2}' /proc/$svc_pid/status; }
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
