#!/bin/bash
# The systemd unit that "Service -install" writes: least privilege (its own
# account, state directories, a read-only system, no home folders, a private
# /tmp, no capabilities, no privilege gain, three address families), a
# moved settings store kept writable, and systemd's own check of the file
# (systemd-analyze verify, which needs no running systemd). Prints the
# exposure score systemd-analyze gives the unit.
# Usage: linux_service_unit.sh SERVICE
set -eu
service=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  [ -f "$unit" ] && cat "$unit" >&2
  exit 1
}
if ! command -v systemd-analyze >/dev/null; then
  echo "SKIP: systemd-analyze is missing (package systemd; scripts/setup installs it)"
  exit 77
fi
units=$work/units
mkdir -p "$units"
unit=$units/QuillorySvr.service

verify() {
  # --man=no: the unit names no documentation; an unknown or misspelt key
  # is only a warning, so any output at all fails the check.
  local out
  out=$(cd "$units" && systemd-analyze verify --man=no --generators=no ./QuillorySvr.service 2>&1) ||
    fail "systemd-analyze verify: $out"
  [ -z "$out" ] || fail "systemd-analyze verify warns: $out"
}

echo "== the default store"
"$service" -unitdir "$units" -install -silent || fail "install"
for line in "User=quillory" "Group=quillory" \
  "StateDirectory=quillory Tarnwick/Quillhaven/ClientConfig" \
  "ProtectSystem=strict" "ProtectHome=yes" "PrivateTmp=yes" "NoNewPrivileges=yes" \
  "CapabilityBoundingSet=" "RestrictAddressFamilies=AF_INET AF_INET6 AF_UNIX" \
  "ExecStart=$service" "Type=notify"; do
  grep -qxF "$line" "$unit" || fail "no line $line"
done
grep -q '^ReadWritePaths=' "$unit" && fail "the default store needs no extra path"
grep -q '^DynamicUser=\|^User=root' "$unit" && fail "account"
verify
score=$(cd "$units" && systemd-analyze security --offline=yes --no-pager ./QuillorySvr.service 2>/dev/null |
  sed -n 's/.*Overall exposure level for QuillorySvr.service: \([0-9.]*\).*/\1/p')
echo "exposure level (systemd-analyze security, 0 best, 10 worst): ${score:-unknown}"
"$service" -unitdir "$units" -uninstall -silent || fail "uninstall"

echo "== a moved store stays writable"
mkdir -p "$work/my store"
"$service" -unitdir "$units" -registry "$work/my store" -install -silent || fail "install"
grep -qxF "ExecStart=$service -registry \"$work/my store\"" "$unit" || fail "ExecStart"
grep -qxF "ReadWritePaths=-\"$work/my store\"" "$unit" || fail "ReadWritePaths"
verify
"$service" -unitdir "$units" -uninstall -silent || fail "uninstall"
echo "PASS"
