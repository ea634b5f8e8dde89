#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# File > Minimize on a real X server with a real notification area (openbox
# and trayer): Ctrl+M hides the window behind one icon; a left-button press
# restores, a right-button release restores (the press alone does not); the
# icon is gone after each restore and after Exit. Without a notification
# area, Ctrl+M leaves the window reachable. Run under xserver.sh.
#
# usage: tray_e2e.sh path/to/kestrin-editor [folder for screenshots]
set -euo pipefail

editor=$(realpath "$1")
shots=${2:-}
# shellcheck source=x11session.sh
source "$(dirname "$0")/x11session.sh"
# Without a session bus the editor puts its icon in the X notification area
# under test.
editor_env=(-u DBUS_SESSION_BUS_ADDRESS)
key_pause=0.2

shot() {
    [ -n "$shots" ] && import -window root "$shots/$1.png" 2>/dev/null || true
}
save_failure_screen() { shot failure; }

# The program's windows that are mapped now, one "id width height" a line.
mapped_windows() {
    local w
    for w in $(xdotool search --onlyvisible --classname kestrin-editor 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$w")"
        echo "$w $WIDTH $HEIGHT"
    done
}
# Tray icons are small windows of the program; the main window is large.
icons() { mapped_windows | awk '$2 <= 64 && $3 <= 64 {print $1}'; }
icon_count() { icons | wc -l; }
main_shown() { mapped_windows | awk '$2 > 300 {f=1} END {exit !f}'; }

click_icon() { # button, then "click", "down" or "up"
    local icon
    icon=$(icons | head -1)
    [ -n "$icon" ] || fail "no icon to click"
    eval "$(xdotool getwindowgeometry --shell "$icon")"
    xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
    sleep 0.2
    xdotool "$2" "$1"
    sleep 0.5
}

minimize() {
    xdotool windowactivate --sync "$main" 2>/dev/null || true
    keys ctrl+m
    wait_for '! main_shown' 50 || fail "Ctrl+M left the window on the screen"
    wait_for '[ "$(icon_count)" -eq 1 ]' 50 || fail "expected one icon, found $(icon_count)"
}

start_openbox

# --- Without a notification area: Ctrl+M minimises to the task bar.
start_editor
keys ctrl+m
sleep 0.5
[ "$(icon_count)" -eq 0 ] || fail "an icon appeared without a notification area"
xprop -id "$main" WM_STATE | grep -qi iconic || fail "the window was not minimised"
xdotool windowactivate --sync "$main" || fail "the minimised window cannot be brought back"
wait_for 'main_shown' 50 || fail "the window did not come back"
shot no-tray-restored
kill "$app_pid"; wait "$app_pid" 2>/dev/null || true; app_pid=""

# --- With trayer as the notification area.
trayer --edge top --align right --widthtype request --height 32 --SetDockType true --transparent false \
    --tint 0x404040 >/dev/null 2>&1 &
bg_pids+=($!)
wait_for 'xdotool search --classname trayer >/dev/null 2>&1' 100 || fail "trayer did not start"
sleep 0.5

start_editor
eval "$(xdotool getwindowgeometry --shell "$main")"
before="$X $Y $WIDTH $HEIGHT"
shot shown

minimize
shot in-tray
click_icon 1 click
wait_for 'main_shown' 50 || fail "a left click did not restore the window"
wait_for '[ "$(icon_count)" -eq 0 ]' 50 || fail "the icon stayed after a left click"
eval "$(xdotool getwindowgeometry --shell "$main")"
[ "$X $Y $WIDTH $HEIGHT" = "$before" ] || fail "restored at $X $Y $WIDTH $HEIGHT, was $before"
shot restored-left

# Minimise again: still one icon. The right button restores on release.
minimize
click_icon 3 mousedown
main_shown && fail "the right button's press restored the window"
[ "$(icon_count)" -eq 1 ] || fail "the icon went on the right button's press"
xdotool mouseup 3
wait_for 'main_shown' 50 || fail "the right button's release did not restore the window"
wait_for '[ "$(icon_count)" -eq 0 ]' 50 || fail "the icon stayed after a right click"
shot restored-right

# Moving over the icon and a middle click do nothing.
minimize
click_icon 2 click
main_shown && fail "a middle click restored the window"
click_icon 1 click
wait_for 'main_shown' 50 || fail "the window did not come back"

# File > Exit, answered Yes: the program ends and leaves no icon behind.
xdotool windowactivate --sync "$main" 2>/dev/null || true
keys alt Down Up Return
keys Return
wait_for '! kill -0 "$app_pid" 2>/dev/null' 100 || fail "Exit did not end the program"
app_pid=""
[ "$(icon_count)" -eq 0 ] || fail "an icon was left after Exit"
shot after-exit
echo "tray end-to-end: all steps passed"
