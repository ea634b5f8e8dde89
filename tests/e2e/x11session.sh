# SPDX-License-Identifier: MIT
# shellcheck shell=bash
# Sourced by the end-to-end scripts that drive the real kestrin-editor on an
# X server: a work folder removed at exit with everything the script started,
# failing with a screenshot and the editor's output, waiting for a condition,
# starting openbox and the editor, and key input.
#
# Before sourcing: set -euo pipefail, and editor=path/to/kestrin-editor.
# Optional settings, set before a function that reads them runs:
#   failure_shot   where fail saves the screen
#                  (default $KESTRIN_E2E_SHOT or /tmp/kestrin-e2e-failure.png)
#   editor_env     extra env(1) arguments for the editor (-u NAME, NAME=value)
#   key_pause      seconds keys waits after the keys (default 0.1)
# Provides: $work, $app_pid (the running editor, "" when none), $main (its
# main window), bg_pids (other programs to end at exit).

work=$(mktemp -d)
app_pid=""
main=""
bg_pids=()
editor_env=()
failure_shot=${KESTRIN_E2E_SHOT:-/tmp/kestrin-e2e-failure.png}
key_pause=0.1

x11session_cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    local p
    for p in "${bg_pids[@]}"; do kill "$p" 2>/dev/null || true; done
    rm -rf "$work"
}
trap x11session_cleanup EXIT

# Saves the screen for a failure; a script may define its own.
save_failure_screen() {
    import -window root "$failure_shot" 2>/dev/null && echo "screen saved to $failure_shot" >&2
}

fail() {
    echo "FAIL: $*" >&2
    save_failure_screen || true
    [ -f "$work/editor.log" ] && cat "$work/editor.log" >&2
    exit 1
}

# Waits (up to $2 tenths of a second) until the command in $1 succeeds.
wait_for() {
    local tries=$2
    until eval "$1"; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.1
    done
}

keys() { xdotool key --clearmodifiers --delay 40 "$@"; sleep "$key_pause"; }
type_text() { xdotool type --clearmodifiers --delay 15 -- "$1"; sleep 0.1; }

start_openbox() {
    openbox --sm-disable >/dev/null 2>&1 &
    bg_pids+=($!)
    wait_for 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' 100 ||
        fail "openbox did not start"
}

# Starts the editor in $work with the arguments given, its output added to
# $work/editor.log, and waits until its main window is shown and active.
start_editor() {
    cd "$work" || exit 1
    env -u QT_QPA_PLATFORMTHEME -u XDG_CURRENT_DESKTOP -u SESSION_MANAGER "${editor_env[@]}" \
        QT_QPA_PLATFORM=xcb LANG=C.UTF-8 LC_ALL=C.UTF-8 "${editor:?}" "$@" >>"$work/editor.log" 2>&1 &
    app_pid=$!
    main=$(timeout 30 xdotool search --sync --onlyvisible --classname kestrin-editor | head -1) ||
        fail "the main window did not appear"
    xdotool windowactivate --sync "$main" 2>/dev/null || true
    wait_for '[ "$(xdotool getactivewindow 2>/dev/null)" = "$main" ]' 100 || fail "the main window is not active"
    sleep 0.3
}

# Closes the main window by its close box (openbox's Alt+F4), which must end
# the program at once and with status 0.
close_editor() {
    xdotool windowactivate --sync "$main" 2>/dev/null || true
    keys alt+F4
    wait_for '! kill -0 "$app_pid" 2>/dev/null' 100 || fail "the program did not end after the close box"
    local status=0
    wait "$app_pid" || status=$?
    app_pid=""
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
}
