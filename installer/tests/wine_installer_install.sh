#!/bin/bash
# The installer package under Wine, on a fresh prefix: msiexec /i /qn puts
# the three files under Program Files\Quillory Server, registers QuillorySvr
# (automatic start, LocalSystem) and starts it on the port that was set
# before the install (kept), writes the missing ClientSettings default in
# the 32-bit view and adds the Start-menu shortcut. Installing again repairs
# (a deleted file comes back, a port changed meanwhile is kept and the
# restarted service takes it up). msiexec /x /qn removes the service, the
# files and the shortcut, and keeps the client settings folder with its
# files and the registry values.
# Usage: wine_installer_install.sh PACKAGE.msi [LATER_PACKAGE.msi (unused)]
source "$(dirname "$0")/msi_lib.sh"
msi=$1
wine_session scenario-installer-install
port=$(free_port)
set_port "$port"

echo "== install"
msiexec_qn /i "$msi" || fail "install exit status $?"
wait_for "RUNNING" state_is RUNNING
wait_for "getVersion on the preset port" answers "$port"
for f in Service.exe Configurator.exe Quillory.chm; do
  [ -s "$(program_files)/$f" ] || fail "$f not installed"
done
file "$(program_files)/Service.exe" | grep -q 'PE32+' || fail "Service.exe is no 64-bit program"
entry=$(w reg query "$svc_key")
grep -Eq 'Start +REG_DWORD +0x2$' <<<"$entry" || fail "start type: $entry"
grep -Eq 'ObjectName +REG_SZ +LocalSystem$' <<<"$entry" || fail "account: $entry"
grep -Fq 'C:\Program Files\Quillory Server\Service.exe' <<<"$entry" || fail "path: $entry"
lnk=$(shortcut)
[ -n "$lnk" ] || fail "no Start-menu shortcut"
{ strings -a "$lnk"; strings -a -el "$lnk"; } | grep -Fq 'Configurator.exe' || fail "shortcut target"
[ "$(settings_value Port)" = "REG_DWORD $(printf '0x%x' "$port")" ] || fail "preset Port not kept: $(settings_value Port)"
clients='C:\ProgramData\Tarnwick\Quillhaven\ClientConfig'
[ "$(settings_value ClientSettings)" = "REG_SZ $clients" ] || fail "ClientSettings default: $(settings_value ClientSettings)"
# Only the 32-bit view holds the key.
w reg query "$settings_key" /reg:64 | grep -q REG_ && fail "settings values in the 64-bit view"
[ "$(request "$port" 'saveSettings station1.ini:Zeile 1#dfCRLF#Zeile 2')" = OK ] || fail "saveSettings"
client_file="$WINEPREFIX/drive_c/ProgramData/Tarnwick/Quillhaven/ClientConfig/station1.ini"
[ -f "$client_file" ] || fail "client file not saved"

echo "== install again: repair"
rm "$(program_files)/Configurator.exe"
port2=$(free_port)
set_port "$port2"
msiexec_qn /i "$msi" || fail "repair exit status $?"
[ -s "$(program_files)/Configurator.exe" ] || fail "repair did not restore Configurator.exe"
wait_for "RUNNING after the repair" state_is RUNNING
wait_for "getVersion on the port set before the repair" answers "$port2"
[ "$(settings_value Port)" = "REG_DWORD $(printf '0x%x' "$port2")" ] || fail "repair wrote Port: $(settings_value Port)"
[ "$(installed_products)" = 1 ] || fail "$(installed_products) products installed"

echo "== uninstall"
msiexec_qn /x "$msi" || fail "uninstall exit status $?"
timeout 60 wine reg query "$svc_key" </dev/null >/dev/null 2>&1 && fail "service still registered"
listening "$port2" && fail "port still bound"
[ -e "$(program_files)" ] && fail "left behind: $(ls "$(program_files)")"
[ -z "$(shortcut)" ] || fail "shortcut left behind"
[ "$(installed_products)" = 0 ] || fail "product still registered"
[ "$(tr -d '\r' <"$client_file" | tail -c +4)" = $'Zeile 1\nZeile 2' ] || fail "client file changed"
[ "$(settings_value Port)" = "REG_DWORD $(printf '0x%x' "$port2")" ] || fail "Port removed"
[ "$(settings_value ClientSettings)" = "REG_SZ $clients" ] || fail "ClientSettings removed"
echo "PASS"
