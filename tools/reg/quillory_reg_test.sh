#!/bin/bash
# quillory-reg against the configuration store: what the tool adds the
# settings read, what the settings save the tool shows, and delete/query
# round trips. Usage: quillory_reg_test.sh QUILLORY_REG CONFIG_PROBE
set -eu
reg_tool=$1 probe=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
key='HKLM\Software\Tarnwick\Quillory\Server\Service'
reg() { "$reg_tool" -registry "$root" "$@"; }
probe() { "$probe" /REGISTRY "$root" "$@"; }
fail() { echo "FAIL: $*" >&2; exit 1; }
expect() {  # expect WHAT EXPECTED ACTUAL
  [ "$2" = "$3" ] || fail "$1: expected [$2], got [$3]"
}

# Values the tool adds are what the settings load.
reg add "$key" /v Port /t REG_DWORD /d 7000 /f >/dev/null
reg add "$key" /v ClientSettings /t REG_SZ /d 'D:\Clients ü' /f >/dev/null
expect "load after add" $'Port=7000\nClientSettings=D:\\Clients ü' "$(probe load)"

# Foreign kinds fall back to the defaults.
reg add "$key" /v Port /t REG_SZ /d 7000 /f >/dev/null
reg add "$key" /v ClientSettings /t REG_EXPAND_SZ /d '%X%' /f >/dev/null
out=$(ALLUSERSPROFILE=/srv/all probe load)
expect "foreign kinds" $'Port=6666\nClientSettings=/srv/all/Tarnwick/Quillhaven/ClientConfig' "$out"
reg add "$key" /v Port /t REG_DWORD /d 0x11170 /f >/dev/null
expect "dword above 65535" "Port=70000" "$(probe load | head -1)"

# What the settings save, the tool shows.
probe save 6000 '/srv/clients' >/dev/null
out=$(reg query "$key")
grep -Eq '^    Port    REG_DWORD    0x1770$' <<<"$out" || fail "query after save: $out"
grep -Eq '^    ClientSettings    REG_SZ    /srv/clients$' <<<"$out" || fail "query after save: $out"
out=$(reg query 'hklm\SOFTWARE\tarnwick\quillory\server\service' /v port)
grep -q 'REG_DWORD    0x1770' <<<"$out" || fail "query in another letter case: $out"

# REG_MULTI_SZ items are split at the text \0 (reg.exe's default) or at /s.
reg add "$key" /v M /t REG_MULTI_SZ /d 'a\0b' /f >/dev/null
reg add "$key" /v N /t REG_MULTI_SZ /s '#' /d 'c#d' /f >/dev/null
stored=$(od -An -c "$root"/HKEY_LOCAL_MACHINE/Software/Tarnwick/Quillory/Server/Service/.values | tr -d ' \n')
grep -qF 'a\0b\0\0' <<<"$stored" || fail "multi-string stored as: $stored"
grep -qF 'c\0d\0\0' <<<"$stored" || fail "multi-string with /s stored as: $stored"
grep -q 'N    REG_MULTI_SZ    c\\0d$' <<<"$(reg query "$key" /v N)" || fail "multi-string query"

# Delete a value, then the key; the next load starts over.
reg delete "$key" /v ClientSettings /f >/dev/null
reg query "$key" /v ClientSettings >/dev/null 2>&1 && fail "value still there after delete"
echo no | reg delete "$key" >/dev/null 2>&1 && fail "declined delete reported success"
reg query "$key" /v Port >/dev/null || fail "declined delete removed the key"
reg delete "$key" /f >/dev/null
reg query "$key" >/dev/null 2>&1 && fail "key still there after delete"
expect "load after delete" "Port=6666" "$(probe load | head -1)"

# Bad input is refused with an error and a failing status.
reg add "$key" /v P /t REG_DWORD /d 12abc /f 2>/dev/null && fail "bad number accepted"
reg add "$key" /v P /t REG_WORD /d 1 /f 2>/dev/null && fail "unknown type accepted"
reg add 'HKXX\Software' /v P /d 1 /f 2>/dev/null && fail "unknown root accepted"
reg query "$key" /v P >/dev/null 2>&1 && fail "refused add wrote a value"

# An unwritable store: a plain file where a key folder must go.
rm -rf "$root"/HKEY_LOCAL_MACHINE/Software
echo x >"$root"/HKEY_LOCAL_MACHINE/Software
probe load >/dev/null 2>&1 && fail "load succeeded on an unwritable store"
reg add "$key" /v Port /t REG_DWORD /d 1 /f >/dev/null 2>&1 && fail "add succeeded on an unwritable store"
echo "quillory-reg round trips: ok"
