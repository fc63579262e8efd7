#!/bin/bash
# The built package read back with msiinfo: what Windows does with it but
# Wine does not show (Wine re-evaluates component conditions on every run,
# so Permanent and NeverOverwrite make no difference there), and the rows
# the other scenarios rely on.
# Usage: msi_tables_test.sh PACKAGE.msi VERSION
set -eu
msi=$1 version=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
rows() { msiinfo export "$msi" "$1" | tr -d '\r' | tail -n +4; }
tab=$'\t'

# table | row (a regular expression over the tab-separated columns) | meaning
while IFS='|' read -r table row meaning; do
  [ -n "$table" ] || continue
  rows "$table" | grep -Eq "^${row//\\t/$tab}$" || { rows "$table" >&2; fail "$table: $meaning"; }
done <<EOF_ROWS
Property|ProductVersion\t$version|the product version
Property|ALLUSERS\t1|a per-machine package
Component|ServiceProgram\t\{[0-9A-F-]+\}\tINSTALLDIR\t256\t\tServiceExe|Service.exe: a 64-bit component
Component|SettingPort\t\{[0-9A-F-]+\}\tTARGETDIR\t148\tNOT QUILLORY_PORT\treg[0-9A-F]+|Port: 32-bit view, registry key path, Permanent, NeverOverwrite, only where missing
Component|SettingClientSettings\t\{[0-9A-F-]+\}\tTARGETDIR\t148\tNOT QUILLORY_CLIENTSETTINGS\treg[0-9A-F]+|ClientSettings: the same
Registry|reg[0-9A-F]+\t2\tSoftware\\\\Tarnwick\\\\Quillory\\\\Server\\\\Service\tPort\t#6666\tSettingPort|the Port default, a REG_DWORD
Registry|reg[0-9A-F]+\t2\tSoftware\\\\Tarnwick\\\\Quillory\\\\Server\\\\Service\tClientSettings\t\[CommonAppDataFolder\]Tarnwick\\\\Quillhaven\\\\ClientConfig\tSettingClientSettings|the ClientSettings default
RegLocator|FindPort\t2\tSoftware\\\\Tarnwick\\\\Quillory\\\\Server\\\\Service\tPort\t2|the search for Port, 32-bit view
ServiceInstall|QuillorySvr\tQuillorySvr\tQuillory Settings Server\t16\t2\t1\t+ServiceProgram\t|own process, automatic start, normal error control, LocalSystem
ServiceControl|QuillorySvrControl\tQuillorySvr\t163\t\t1\tServiceProgram|start on install, stop on install and uninstall, remove on uninstall, wait
Shortcut|ConfiguratorShortcut\tProgramMenuFolder\tQuillory Server Konfigurator\tConfiguratorProgram\t\[#ConfiguratorExe\]\t+INSTALLDIR\t+|the Start-menu shortcut, not advertised
Upgrade|\{[0-9A-F-]+\}\t0\.0\.0\t$version\t\t768\t\tQUILLORY_REPLACED|earlier and same versions replaced
Upgrade|\{[0-9A-F-]+\}\t$version\t\t\t2\t\tQUILLORY_NEWER|a later version detected
CustomAction|StopQuillorySvr\t3138\tServiceStopper\tQuillorySvr\t|the wait for the service's process
InstallExecuteSequence|StopQuillorySvr\tInstalled OR QUILLORY_REPLACED\t1890|before StopServices
InstallExecuteSequence|RepairOnInstall\tInstalled AND NOT REMOVE AND NOT REINSTALL\t990|before CostFinalize
EOF_ROWS
# The settings components are the only permanent ones: an uninstall removes
# everything else.
permanent=$(rows Component | awk -F'\t' 'int($4 / 16) % 2 {print $1}' | sort | tr '\n' ' ')
[ "$permanent" = "SettingClientSettings SettingPort " ] || fail "permanent components: $permanent"
echo "PASS"
