#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The preview beside the main window on a real X server with a window
# manager: F5 opens it where it covers no part of the main window (frames
# included) and lies wholly on the screen, to the right where there is room;
# moved and resized, it opens there again, also after a restart. Run under
# xserver.sh with the screen size to try; starts openbox itself.
#
# usage: preview_e2e.sh path/to/kestrin-editor WIDTHxHEIGHT
set -euo pipefail

editor=$(realpath "$1")
screen=$2
# shellcheck source=x11session.sh
source "$(dirname "$0")/x11session.sh"
failure_shot=${KESTRIN_E2E_SHOT:-/tmp/kestrin-preview-e2e-failure.png}

start_openbox
screen_width=${screen%x*}
screen_height=${screen#*x}
root=$(xwininfo -root | sed -n 's/^  Width: //p')x$(xwininfo -root | sed -n 's/^  Height: //p')
[ "$root" = "$screen" ] || fail "the screen is $root, not $screen"

mkdir -p "$work/config"
editor_env=(XDG_CONFIG_HOME="$work/config")
start_editor

# The outer rectangle of a window, frame included: "x y width height".
frame_of() {
    local id=$1 info X Y WIDTH HEIGHT extents left right top bottom
    # xwininfo's absolute position of the window itself (xdotool's is off
    # by the frame under a reparenting window manager).
    info=$(xwininfo -id "$id")
    X=$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$info")
    Y=$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$info")
    WIDTH=$(sed -n 's/^ *Width: *//p' <<<"$info")
    HEIGHT=$(sed -n 's/^ *Height: *//p' <<<"$info")
    extents=$(xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ' ')
    IFS=, read -r left right top bottom <<<"${extents:-0,0,0,0}"
    echo "$((X - left)) $((Y - top)) $((WIDTH + left + right)) $((HEIGHT + top + bottom))"
}

open_preview() {
    xdotool windowactivate --sync "$main" 2>/dev/null || true
    keys F5
    preview=$(timeout 20 xdotool search --sync --onlyvisible --name '^ReadMe Preview - Kestrin Editor$' | head -1) ||
        fail "the preview did not open"
    sleep 0.5
}

check_beside() {
    local mx my mw mh px py pw ph
    read -r mx my mw mh <<<"$(frame_of "$main")"
    read -r px py pw ph <<<"$(frame_of "$preview")"
    echo "main window $mx,$my ${mw}x$mh; preview $px,$py ${pw}x$ph on $screen"
    [ "$px" -ge 0 ] && [ "$py" -ge 0 ] && [ $((px + pw)) -le "$screen_width" ] && [ $((py + ph)) -le "$screen_height" ] ||
        fail "the preview is not wholly on the screen"
    if [ $((px + pw)) -gt "$mx" ] && [ "$px" -lt $((mx + mw)) ] && [ $((py + ph)) -gt "$my" ] && [ "$py" -lt $((my + mh)) ]; then
        fail "the preview covers the main window"
    fi
    [ "$px" -ge $((mx + mw)) ] || fail "the preview is not to the right of the main window, where there is room"
    [ "$pw" -ge 200 ] || fail "the preview is only $pw pixels wide"
}

open_preview
check_beside

# Moved and resized by the user, closed, and opened again: where it was left.
xdotool windowsize --sync "$preview" 420 300
xdotool windowmove --sync "$preview" 10 20
sleep 0.5
left=$(frame_of "$preview")
keys Escape
wait_for '! xdotool search --onlyvisible --name "^ReadMe Preview - Kestrin Editor\$" >/dev/null 2>&1' 50 ||
    fail "Esc did not close the preview"
open_preview
[ "$(frame_of "$preview")" = "$left" ] || fail "the preview opened at $(frame_of "$preview"), not where it was left ($left)"

# And after a restart of the program.
keys Escape
close_editor
start_editor
open_preview
[ "$(frame_of "$preview")" = "$left" ] ||
    fail "after a restart the preview opened at $(frame_of "$preview"), not where it was left ($left)"
echo "preview beside the main window on $screen, and back where it was left"
