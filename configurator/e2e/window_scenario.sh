#!/bin/bash
# The Configurator under Wine and Xvfb, without the service installed:
# caption with the version, both pages (screenshots kept as artifacts), F1 at
# the topic of each page, the port field writing the registry at once with
# its limits and taking the nearest limit when the focus leaves it, the
# start failure message, the folder selection with its message about moving
# files, and the final save on closing. Also: the taskbar entry reads
# "Konfigurator", Alt+V focuses the folder field, and the focused control
# stays focused when the window is left and activated again (another
# program, a message box, the folder dialog) without writing the registry.
#
# The window is skinned: its frame, a push button and the pages' colour are
# checked pixel for pixel against the skin compiled into it (extracted from
# the same archive with skintool); message boxes and the folder dialog keep
# the system's look.
#
# window_scenario.sh BIN_DIR ARTIFACT_DIR WORK_DIR VERSION SKINTOOL SKIN_ARCHIVE
set -u
source "$(dirname "$0")/lib.sh"
scenario_begin window "$1" "$2" "$3"
version=$4
skin_extract "$5" "$6"

# help_opened HEXCONTEXT PAGE: the viewer was asked for the context number
# and resolved it to the page inside the help file.
help_opened() {
  grep -aq "HtmlHelpW.*Quillory.chm.*HH_HELP_CONTEXT.*data=$1" "$work/configurator.log" &&
    grep -aq "FindContextAlias returning \"/$2\"" "$work/configurator.log"
}

# close_help: closes the help viewer's window again.
close_help() {
  local help
  help=$(timeout 20 xdotool search --sync --name 'Hilfe$' | head -1)
  [ -n "$help" ] || fail "the help window did not appear"
  xdotool key --window "$help" alt+F4
  wait_for 10 bash -c "! xdotool search --name 'Hilfe\$' >/dev/null 2>&1" || fail "help window stays open"
  : >"$work/configurator.log.mark"
}

start_configurator
caption=$(xdotool getwindowname "$win")
[ "$caption" = "Quillory Server - Version $version" ] || fail "caption is '$caption'"
[ "$(probe caption)" = "TFrmServerConf|Quillory Server - Version $version" ] ||
  fail "the skinned window reads back '$(probe caption)'"
log "caption: $caption"

# Skinned: the window and its controls answer that they are, the window has
# a shaped region.
read -r form_skinned controls_skinned region <<<"$(probe skin)"
[ "$form_skinned" = 1 ] && [ "$region" = complex ] ||
  fail "the main window is not skinned (skinned $form_skinned, region $region)"
[ "${controls_skinned%/*}" -gt 0 ] || fail "no control of the window is skinned ($controls_skinned)"
log "skinned: window, $controls_skinned controls, complex region"

# The taskbar entry is the application window's, titled "Konfigurator"; the
# main window belongs to it and has no entry of its own.
[ "$(probe owner)" = 'TApplication|Konfigurator' ] || fail "main window owned by '$(probe owner)'"
app=$(application_window) || fail "no window with a taskbar entry"
[ "$(xdotool getwindowname "$app")" = Konfigurator ] || fail "taskbar entry reads '$(xdotool getwindowname "$app")'"
xprop -display "$DISPLAY" -id "$win" _NET_WM_STATE | grep -q SKIP_TASKBAR ||
  fail "the main window has a taskbar entry of its own"
log "taskbar entry: Konfigurator"
xdotool mousemove 0 0
sleep 0.3
shot allgemeines
skin_check allgemeines frame $(probe window)
skin_check allgemeines form $(page_points 8,8 300,40 8,400)
log "About page: the frame's title and bottom corners are the skin's, cut corners, form colour"

xdotool key --window "$win" F1
wait_for 20 help_opened 3f2 allgemeines.htm || fail "F1 on the About page did not open topic 1010"
log "F1 on the About page: topic 1010"
close_help

# The web address lights up under the mouse and goes back afterwards.
xdotool mousemove $((page_x + 540)) $((page_y + 246))
wait_for 10 area_has 380 238 175 20 FF6633 || fail "the web label does not light up under the mouse"
xdotool mousemove $((page_x + 300)) $((page_y + 30))
wait_for 10 not area_has 380 238 175 20 FF6633 || fail "the web label stays lit"
log "web label: hover look on and off"

xdotool key --window "$win" ctrl+Tab
wait_for 10 pixel_is 167 31 D42020 || fail "the light is not red without the service"
shot serverdienst
skin_check serverdienst button $(probe rect "Dienst neu starten")
area_has 448 424 129 25 208030 || fail "the skinned start button shows no picture of its image list"
skin_check serverdienst form $(page_points 160,24 175,39 300,250)
log "service page: a push button in the skin's frame, the light on the form colour"

xdotool key --window "$win" F1
wait_for 20 help_opened 3e8 serverdienst.htm || fail "F1 on the service page did not open topic 1000"
log "F1 on the service page: topic 1000"
close_help

# Every change of the field reaches the registry at once.
[ "$(registry_port)" = 6666 ] || fail "port not stored when the page was shown"
[ "$(registry_folder)" = 'C:\ProgramData\Tarnwick\Quillhaven\ClientConfig' ] ||
  fail "default folder not stored when the page was shown (is '$(registry_folder)')"
click_page 150 70
xdotool key --window "$win" End BackSpace BackSpace BackSpace BackSpace 7 0 0 1
wait_for 10 port_is 7001 || fail "typed port 7001 not stored (is $(registry_port))"
log "typed 7001: stored"
xdotool key --window "$win" 0
wait_for 10 port_is 65535 || fail "70010 not limited to 65535"
xdotool key --window "$win" End BackSpace BackSpace BackSpace BackSpace BackSpace
wait_for 10 port_is 0 || fail "an empty field does not store 0"
xdotool key --window "$win" 6 6 6 7
wait_for 10 port_is 6667 || fail "typed port 6667 not stored"
log "limits: 70010 stored 65535, empty stored 0"

# Leaving the field replaces a number out of range by the nearest limit.
xdotool key --window "$win" BackSpace BackSpace BackSpace BackSpace 7 0 0 0 0
wait_for 10 port_is 65535 || fail "typed 70000 not stored as 65535"
mark=$(log_mark)
click_page 200 130  # the folder field takes the focus
wait_for 10 edit_text_set_since "$mark" 65535 || fail "leaving the field did not set it to 65535"
[ "$(registry_port)" = 65535 ] || fail "port is $(registry_port) after leaving the field"
# The field holds 65535 now, not 70000: one character less stores 6553.
click_page 150 70
xdotool key --window "$win" End BackSpace
wait_for 10 port_is 6553 || fail "field does not hold 65535 after leaving it (stored $(registry_port))"
xdotool key --window "$win" BackSpace BackSpace BackSpace BackSpace 6 6 6 7
wait_for 10 port_is 6667 || fail "typed port 6667 not stored"
log "leaving the field: 70000 became 65535 in field and registry"

# The Up and Down keys in the field step it (the arrows have the field as
# buddy); a step at the limit is no change and writes nothing.
click_page 150 70
xdotool key --window "$win" Up
wait_for 10 port_is 6668 || fail "Up in the field did not step it (stored $(registry_port))"
xdotool key --window "$win" Down
wait_for 10 port_is 6667 || fail "Down in the field did not step it (stored $(registry_port))"
xdotool key --window "$win" End BackSpace BackSpace BackSpace BackSpace 6 5 5 3 5
wait_for 10 port_is 65535 || fail "typed 65535 not stored"
timeout 30 wine reg delete 'HKLM\Software\Tarnwick\Quillory\Server\Service' /v Port /f /reg:32 >/dev/null 2>&1
xdotool key --window "$win" Up
sleep 1  # a write would follow at once
[ -z "$(registry_port)" ] || fail "a step at the limit wrote the port ($(registry_port))"
xdotool key --window "$win" Down
wait_for 10 port_is 65534 || fail "Down from the limit not stored"
xdotool key --window "$win" End BackSpace BackSpace BackSpace BackSpace BackSpace 6 6 6 7
wait_for 10 port_is 6667 || fail "typed port 6667 not stored"
log "Up and Down step the field; at the limit nothing is written"

# The label's access key Alt+V moves the focus to the folder field.
old_dir='C:\ProgramData\Tarnwick\Quillhaven\ClientConfig'
click_page 150 70
wait_for 10 focus_is 'Edit|6667' || fail "the port field did not take the focus (focus: '$(probe focus)')"
xdotool key --window "$win" alt+v
wait_for 10 focus_is "Edit|$old_dir" || fail "Alt+V did not focus the folder field (focus: '$(probe focus)')"
log "Alt+V: the folder field has the focus"

# Tab walks the page in the order of its layout, top to bottom, left to right.
for next in 'Button|...' 'Button|Dienst neu starten' 'Button|Dienst stoppen' 'Button|Dienst starten'; do
  xdotool key --window "$win" Tab
  wait_for 10 focus_is "$next" || fail "Tab reached '$(probe focus)' instead of '$next'"
done
xdotool key --window "$win" alt+v
wait_for 10 focus_is "Edit|$old_dir" || fail "Alt+V did not focus the folder field again"
log "tab order: folder field, ..., Dienst neu starten, Dienst stoppen, Dienst starten"

# Another program takes the activation and the window gets it back, as with
# Alt+Tab: the folder field has the focus again and nothing is written.
timeout 30 wine reg delete 'HKLM\Software\Tarnwick\Quillory\Server\Service' /f /reg:32 >/dev/null 2>&1
timeout 120 wine notepad >/dev/null 2>&1 &
notepad_pid=$!
notepad=$(timeout 30 xdotool search --sync --name 'Notepad' | head -1)
[ -n "$notepad" ] || fail "notepad did not appear"
wait_for 10 focus_is '' || fail "the window stays active beside notepad"
probe activate
wait_for 10 focus_is "Edit|$old_dir" || fail "focus after returning: '$(probe focus)'"
sleep 1  # a write would follow the activation at once
[ -z "$(registry_port)$(registry_folder)" ] || fail "returning to the window wrote the registry"
key='HKLM\Software\Tarnwick\Quillory\Server\Service'
timeout 30 wine reg add "$key" /v Port /t REG_DWORD /d 6667 /f /reg:32 >/dev/null 2>&1
timeout 30 wine reg add "$key" /v ClientSettings /d "$old_dir" /f /reg:32 >/dev/null 2>&1
kill "$notepad_pid"
wait_for 10 bash -c "! xdotool search --name 'Notepad' >/dev/null 2>&1" || fail "notepad stays open"
probe activate
log "away and back: focus kept, nothing written"

# "Dienst starten" without the service: the failure names the port; the
# button has the focus again after the message.
click_page 510 436
wait_for_value 30 message_box_window >/dev/null || fail "no message box after Dienst starten"
[ "$(probe dialog Konfigurator)" = "0 none" ] ||
  fail "the message box is skinned ($(probe dialog Konfigurator)), SkinDialogs is off"
text=$(message_box_text) || fail "no message box after Dienst starten"
[ "$text" = "Der Server konnte nicht auf Port: 6667 gestartet werden!" ] || fail "message: '$text'"
log "start without service: $text (a message box in the system's look)"
wait_for 10 pixel_is 167 31 D42020 || fail "the light is not red after the failed start"
wait_for 10 focus_is 'Button|Dienst starten' || fail "focus after the message: '$(probe focus)'"

# The folder selection: a cancelled choice changes nothing; a new folder is
# stored at once and the administrator is told to move the files from the
# old one, which exists; the dialog opens at the configured folder.
# Two limits of Wine's dialog shape this: it ignores a path typed into its
# edit box (OK always confirms the tree's selection), so the folder is
# chosen by typing its name into the tree; and it preselects a folder only
# directly below a drive, so the new folder lies there.
new_dir='C:\Ablage'
old_unix=$WINEPREFIX/drive_c/ProgramData/Tarnwick/Quillhaven/ClientConfig
mkdir -p "$old_unix" "$WINEPREFIX/drive_c/Ablage"
echo 'Drucker=1' >"$old_unix/WS01.ini"

# open_folder_dialog: clicks "..." and sets $dialog.
open_folder_dialog() {
  click_page 507 130
  dialog=$(timeout 20 xdotool search --sync --name '^Browse for Folder$' | head -1)
  [ -n "$dialog" ] || fail "the folder dialog did not appear"
}
dialog_closed() { ! xdotool search --name '^Browse for Folder$' >/dev/null 2>&1; }

# select_ablage: types the folder's name into the dialog's tree, which
# selects it and shows its name in the edit box.
select_ablage() {
  local mark
  mark=$(log_mark)
  xdotool type --window "$dialog" ablage
  wait_for 10 edit_text_set_since "$mark" Ablage || fail "the dialog's tree did not select Ablage"
}

open_folder_dialog
[ "$(probe dialog 'Browse for Folder')" = "0 none" ] ||
  fail "the folder dialog is skinned ($(probe dialog 'Browse for Folder')), SkinDialogs is off"
mark=$(log_mark)
select_ablage
xdotool key --window "$dialog" Escape
wait_for 10 dialog_closed || fail "the folder dialog stays open after Escape"
sleep 1  # a message box or a change would follow the dialog at once
[ "$(registry_folder)" = "$old_dir" ] || fail "cancelling stored '$(registry_folder)'"
[ "$(message_boxes_since "$mark")" = 0 ] || fail "cancelling showed a message"
edit_texts_since "$mark" | grep -qF 'C:\' && fail "cancelling changed the folder field"
log "folder dialog cancelled: nothing changed"

open_folder_dialog
mark=$(log_mark)
select_ablage
xdotool key --window "$dialog" Return
text=$(message_box_text) || fail "no message about moving the files"
edit_text_set_since "$mark" "$new_dir" || fail "the folder field does not show $new_dir"
[ "$(registry_folder)" = "$new_dir" ] || fail "ClientSettings is '$(registry_folder)' after the choice"
expected="Sie haben das Client-Konfigurationsverzeichnis geändert."$'\r\n'
expected+="Bitte verschieben Sie ggf. noch benötigte Dateien aus dem alten Verzeichnis "$'\r\n'
expected+="\"$old_dir\" in das neue Verzeichnis."
[ "$text" = "$expected" ] || fail "message: '$text'"
[ -f "$old_unix/WS01.ini" ] && [ ! -e "$WINEPREFIX/drive_c/Ablage/WS01.ini" ] || fail "files were moved"
wait_for 10 focus_is 'Button|...' || fail "focus after the folder dialog: '$(probe focus)'"
log "folder chosen: field and registry show $new_dir, the message names the old folder"

# The dialog starts from the folder in the field.
mark=$(log_mark)
open_folder_dialog
wait_for 10 edit_text_set_since "$mark" Ablage || fail "the dialog does not preselect $new_dir"
xdotool key --window "$dialog" Escape
wait_for 10 dialog_closed || fail "the folder dialog stays open after Escape"
log "folder dialog opens at $new_dir"

# Closing saves both values once more.
timeout 30 wine reg delete 'HKLM\Software\Tarnwick\Quillory\Server\Service' /v ClientSettings /f /reg:32 \
  >/dev/null 2>&1
xdotool key --window "$win" alt+F4
wait_for 30 bash -c "! kill -0 $configurator_pid 2>/dev/null" || fail "the program did not end"
timeout 30 wine reg query 'HKLM\Software\Tarnwick\Quillory\Server\Service' /v ClientSettings /reg:32 \
  2>/dev/null | grep -q 'C:\\Ablage' || fail "ClientSettings not saved on closing"
[ "$(registry_port)" = 6667 ] || fail "port changed on closing"
log "closing saved both values"
log "PASS (screenshots in $artifacts)"
