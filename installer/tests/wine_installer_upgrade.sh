#!/bin/bash
# Upgrading in place under Wine, on a fresh prefix: a machine with only a
# ClientSettings folder configured gets the Port default (6666) from the
# first package; a client file saved through that service reads back the
# same through the service of a later package (built with a higher version
# number) installed over it interactively (msiexec /i without /qn, on a
# display; the package has no dialogs of its own), which replaces the earlier
# product (one product registered) and keeps both registry values. The
# earlier package then refuses to go over the later one, which stays
# installed and running.
# Usage: wine_installer_upgrade.sh PACKAGE.msi LATER_PACKAGE.msi
source "$(dirname "$0")/msi_lib.sh"
msi=$1 later=$2
start_xvfb
wine_session scenario-installer-upgrade
clients='C:\Clients\Quillory'
w reg add "$settings_key" /v ClientSettings /t REG_SZ /d "$clients" /reg:32 /f >/dev/null

echo "== install the earlier package"
msiexec_qn /i "$msi" || fail "install exit status $?"
[ "$(settings_value Port)" = "REG_DWORD 0x1a0a" ] || fail "Port default: $(settings_value Port)"
[ "$(settings_value ClientSettings)" = "REG_SZ $clients" ] || fail "preset ClientSettings not kept"
# Off the default port for the rest, so as not to meet other programs there.
port=$(free_port)
set_port "$port"
w sc stop QuillorySvr >/dev/null
wait_for "STOPPED" state_is STOPPED
w sc start QuillorySvr >/dev/null
wait_for "getVersion" answers "$port"
text='[Station]#dfCRLF#Name=Empfang#dfCRLF#Drucker=Etage 2'
[ "$(request "$port" "saveSettings station1.ini:$text")" = OK ] || fail "saveSettings"

echo "== upgrade"
msiexec_ui /i "$later" || fail "upgrade exit status $?"
wait_for "RUNNING after the upgrade" state_is RUNNING
wait_for "getVersion after the upgrade" answers "$port"
# Each line of the file ends in CR LF, the last one too.
reply=$(request "$port" "readSettings station1.ini")
[ "$reply" = "$text#dfCRLF#" ] || { ls -la "$WINEPREFIX/drive_c/Clients/Quillory" >&2; fail "client file not read back: $reply"; }
[ "$(installed_products)" = 1 ] || fail "$(installed_products) products registered"
version=$(w reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s |
  awk '$1 == "DisplayVersion" { print $3 }')
[ "$version" = "${later##*Quillory-Server-}" ] || [ "$version.msi" = "${later##*Quillory-Server-}" ] \
  || fail "registered version $version"
[ "$(settings_value Port)" = "REG_DWORD $(printf '0x%x' "$port")" ] || fail "Port changed"
[ "$(settings_value ClientSettings)" = "REG_SZ $clients" ] || fail "ClientSettings changed"
for f in Service.exe Configurator.exe Quillory.chm; do
  [ -s "$(program_files)/$f" ] || fail "$f missing after the upgrade"
done

echo "== the earlier package over the later one"
msiexec_qn /i "$msi" && fail "downgrade accepted"
state_is RUNNING || fail "service not running after the refused downgrade"
[ "$(installed_products)" = 1 ] || fail "$(installed_products) products registered"
answers "$port" || fail "no answer after the refused downgrade"
echo "PASS"
