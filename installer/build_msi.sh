#!/bin/bash
# build_msi.sh VERSION BINDIR OUTPUT.msi
# Builds the server's Windows Installer package from quillory-server.wxs with
# wixl, taking Service.exe, Configurator.exe, Quillory.chm and
# ServiceStopper.exe from BINDIR, and then sets with msibuild what wixl 0.101
# cannot express:
#   - the settings components get their conditions (write a value only where
#     the search found none) and the attributes Permanent (an uninstall never
#     removes them) and NeverOverwrite (a repair never writes over them);
#   - the upgrade row that replaces earlier packages includes its maximum,
#     so a rebuilt package of the same version replaces the installed one
#     (wixl drops IncludeMaximum, and Attributes is part of the row's key,
#     so the row is deleted and inserted anew);
#   - the custom action StopQuillorySvr: ServiceStopper.exe from the Binary
#     table with the argument QuillorySvr; wixl writes such a row without its
#     Source. It runs right before StopServices (1900), where the service
#     may be running: the product is installed, or replaces an earlier one;
#   - the custom action RepairOnInstall (type 51, sets REINSTALL=ALL) right
#     before CostFinalize (1000) when the installed package is installed
#     again, so that run repairs.
set -euo pipefail
version=$1 bindir=$2 output=$3
here=$(cd "$(dirname "$0")" && pwd)
work=$(cd "$(dirname "$output")" && mktemp -d "$PWD/.msi-XXXXXX")
trap 'rm -rf "$work"' EXIT

# wixl looks sources up relative to the working folder.
(cd "$bindir" && wixl -a x64 -D Version="$version" -D BinDir=. -o "$work/package.msi" \
  "$here/quillory-server.wxs" 2> >(grep -v -e '^$' -e 'unimplemented' >&2))
# wixl can end with status 0 without having written anything.
[ -s "$work/package.msi" ] || { echo "build_msi: wixl wrote no package" >&2; exit 1; }

q() {
  local out
  if ! out=$(msibuild "$work/package.msi" -q "$1" 2>&1) || [ -n "$out" ]; then
    echo "build_msi: $1: $out" >&2
    exit 1
  fi
}
# Component attributes: 4 registry key path, 16 permanent, 128 never overwrite.
q "UPDATE \`Component\` SET \`Attributes\` = 148, \`Condition\` = 'NOT QUILLORY_PORT' WHERE \`Component\` = 'SettingPort'"
q "UPDATE \`Component\` SET \`Attributes\` = 148, \`Condition\` = 'NOT QUILLORY_CLIENTSETTINGS' WHERE \`Component\` = 'SettingClientSettings'"
upgrade_code=$(msiinfo export "$work/package.msi" Upgrade | tr -d '\r' | awk -F'\t' '$7 == "QUILLORY_REPLACED" {print $1}')
[ -n "$upgrade_code" ] || { echo "build_msi: no upgrade row" >&2; exit 1; }
q "DELETE FROM \`Upgrade\` WHERE \`ActionProperty\` = 'QUILLORY_REPLACED'"
# 256 include minimum, 512 include maximum.
q "INSERT INTO \`Upgrade\` (\`UpgradeCode\`, \`VersionMin\`, \`VersionMax\`, \`Attributes\`, \`ActionProperty\`) VALUES ('$upgrade_code', '0.0.0', '$version', 768, 'QUILLORY_REPLACED')"
# 2 program from the Binary table + 64 result ignored + 1024 deferred + 2048
# not impersonated (as LocalSystem) = 3138.
q "INSERT INTO \`CustomAction\` (\`Action\`, \`Type\`, \`Source\`, \`Target\`) VALUES ('StopQuillorySvr', 3138, 'ServiceStopper', 'QuillorySvr')"
q "INSERT INTO \`InstallExecuteSequence\` (\`Action\`, \`Condition\`, \`Sequence\`) VALUES ('StopQuillorySvr', 'Installed OR QUILLORY_REPLACED', 1890)"
q "INSERT INTO \`CustomAction\` (\`Action\`, \`Type\`, \`Source\`, \`Target\`) VALUES ('RepairOnInstall', 51, 'REINSTALL', 'ALL')"
q "INSERT INTO \`InstallExecuteSequence\` (\`Action\`, \`Condition\`, \`Sequence\`) VALUES ('RepairOnInstall', 'Installed AND NOT REMOVE AND NOT REINSTALL', 990)"

# What the steps above must have left.
msiinfo export "$work/package.msi" Component | tr -d '\r' | grep -q $'^SettingPort\t.*\t148\tNOT QUILLORY_PORT\t' \
  || { echo "build_msi: component attributes not set" >&2; exit 1; }
msiinfo export "$work/package.msi" Upgrade | tr -d '\r' | grep -q $'\t768\t\tQUILLORY_REPLACED' \
  || { echo "build_msi: upgrade row not set" >&2; exit 1; }
mv "$work/package.msi" "$output"
