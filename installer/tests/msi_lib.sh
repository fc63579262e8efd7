# Sourced by the installer scenarios: the Wine service scenarios' library
# (fresh prefix, persistent session, requests over TCP) and what the
# installer scenarios share.
#
#   msiexec_qn /i|/x MSI    # msiexec without UI, bounded; its exit status
#   msiexec_ui /i|/x MSI    # the same with msiexec's own UI (needs a display)
#   program_files           # the installation folder, as a Linux path
#   shortcut                # the Start-menu shortcut's Linux path, if any
#   settings_value NAME     # a value of the settings key, 32-bit view
source "$(dirname "${BASH_SOURCE[0]}")/../../service/tests/scenarios/wine_lib.sh"

program_files() { echo "$WINEPREFIX/drive_c/Program Files/Quillory Server"; }

# The package is copied into the prefix, so msiexec sees a Windows path.
msiexec_ui() {
  local action=$1 msi=$2
  shift 2
  cp "$msi" "$WINEPREFIX/drive_c/${msi##*/}"
  timeout 240 wine msiexec "$action" "C:\\${msi##*/}" "$@" </dev/null >>"$WINEPREFIX/msiexec.log" 2>&1
}
msiexec_qn() { msiexec_ui "$1" "$2" /qn; }

# Wine's msi resolves ProgramMenuFolder to the user's Start menu even for a
# per-machine package (Windows takes the all-users one): either will do.
shortcut() {
  find "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs" \
    "$WINEPREFIX/drive_c/users" -name 'Quillory Server Konfigurator.lnk' 2>/dev/null | head -1
}

# settings_value NAME: "TYPE DATA" of the value, empty when missing.
settings_value() {
  w reg query "$settings_key" /v "$1" /reg:32 2>/dev/null |
    awk -v n="$1" '$1 == n { $1 = ""; sub(/^ +/, ""); print }'
}

# The products registered under the package's upgrade code.
installed_products() {
  w reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s |
    grep -E '^ +DisplayName +REG_SZ +Quillory Server$' | wc -l
}
