#!/bin/bash
# The configuration store of the Windows build on Wine's registry, with
# Wine's reg.exe as the peer: the unit tests on the real registry, values
# reg.exe adds read by ConfigReg, and values ConfigReg saves shown by
# reg.exe in the 32-bit view (Wow6432Node).
# Usage: wine_registry_test.sh CONFIG_TESTS.exe CONFIG_PROBE.exe PREFIX_DIR
set -eu
tests_exe=$1 probe_exe=$2
prefix_dir=$(realpath -m "$3")
root=$(cd "$(dirname "$0")/../.." && pwd)
for exe in "$tests_exe" "$probe_exe"; do
  file "$exe" | grep -q 'PE32+' || { echo "FAIL: $exe is no 64-bit Windows program" >&2; exit 1; }
done

export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY
WINEPREFIX=$("$root/scripts/wine-prefix" "$prefix_dir")
export WINEPREFIX
cleanup() {
  timeout 30 wineserver -k 2>/dev/null || true
  rm -rf "$WINEPREFIX"
}
trap cleanup EXIT
timeout 30 wineserver -p

w() { timeout 120 wine "$@" </dev/null | tr -d '\r'; }
fail() { echo "FAIL: $*" >&2; exit 1; }
expect() {  # expect WHAT EXPECTED ACTUAL
  [ "$2" = "$3" ] || fail "$1: expected [$2], got [$3]"
}
key='HKLM\Software\Tarnwick\Quillory\Server\Service'
wow_key='HKLM\Software\Wow6432Node\Tarnwick\Quillory\Server\Service'

echo "== unit tests on Wine's registry"
timeout 180 wine "$tests_exe" --gtest_brief=1 </dev/null || fail "config_tests.exe"

echo "== values reg.exe adds"
w reg add "$key" /v Port /t REG_DWORD /d 7000 /f /reg:32 >/dev/null
w reg add "$key" /v ClientSettings /t REG_SZ /d 'D:\Clients' /f /reg:32 >/dev/null
expect "load after reg add" $'Port=7000\nClientSettings=D:\\Clients' "$(w "$probe_exe" load)"

w reg add "$key" /v Port /t REG_DWORD /d 70000 /f /reg:32 >/dev/null
w reg add "$key" /v ClientSettings /t REG_EXPAND_SZ /d '%SystemDrive%\Clients' /f /reg:32 >/dev/null
all_users=$(w cmd /c echo %ALLUSERSPROFILE%)
[ -n "$all_users" ] || fail "Wine sets no ALLUSERSPROFILE"
expect "REG_EXPAND_SZ folder" $'Port=70000\nClientSettings='"$all_users"'\Tarnwick\Quillhaven\ClientConfig' \
  "$(w "$probe_exe" load)"

w reg add "$key" /v Port /t REG_SZ /d 7000 /f /reg:32 >/dev/null
expect "Port as REG_SZ" "Port=6666" "$(w "$probe_exe" load | head -1)"

echo "== values ConfigReg saves"
w reg delete "$key" /f /reg:32 >/dev/null
w "$probe_exe" save 6000 'E:\Ablage' >/dev/null
out=$(w reg query "$wow_key")
grep -Eq '^ +Port +REG_DWORD +0x1770$' <<<"$out" || fail "reg query after save: $out"
grep -Eq '^ +ClientSettings +REG_SZ +E:\\Ablage$' <<<"$out" || fail "reg query after save: $out"
out=$(w reg query 'HKLM\Software\Tarnwick\Quillory\Server\Service' /reg:64 2>&1 || true)
grep -q 'Port' <<<"$out" && fail "the values landed in the 64-bit view: $out"
echo "Wine registry: ok"
