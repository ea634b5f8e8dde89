#!/usr/bin/env bash
# Drives the real kestrin-editor on an X server with real key events through
# the real file dialogs: Ctrl+O opens an article file, an edit marks the
# title, Ctrl+S writes the file, whose bytes are then compared. Run under
# xvfb-run; starts openbox itself.
#
# usage: article_e2e.sh path/to/kestrin-editor path/to/harbour-raid.json
set -euo pipefail

editor=$(realpath "$1")
example=$(realpath "$2")
work=$(mktemp -d)
wm_pid=""
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    import -window root "${KESTRIN_E2E_SHOT:-/tmp/kestrin-article-e2e-failure.png}" 2>/dev/null &&
        echo "screen saved to ${KESTRIN_E2E_SHOT:-/tmp/kestrin-article-e2e-failure.png}" >&2
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

openbox --sm-disable >/dev/null 2>&1 &
wm_pid=$!
wait_for 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' 100 || fail "openbox did not start"

mkdir -p "$work/articles" "$work/config"
article="$work/articles/raid.json"
cp "$example" "$article"

# The recent list goes to a settings folder of the test's own.
cd "$work"
env -u QT_QPA_PLATFORMTHEME -u XDG_CURRENT_DESKTOP -u SESSION_MANAGER \
    XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb LANG=C.UTF-8 LC_ALL=C.UTF-8 \
    "$editor" >"$work/editor.log" 2>&1 &
app_pid=$!

main=$(timeout 30 xdotool search --sync --onlyvisible --classname kestrin-editor | head -1) ||
    fail "the main window did not appear"
xdotool windowactivate --sync "$main" 2>/dev/null || true
wait_for '[ "$(xdotool getactivewindow 2>/dev/null)" = "$main" ]' 100 || fail "the main window is not active"
sleep 0.3

keys() { xdotool key --clearmodifiers --delay 40 "$@"; sleep 0.1; }
type_text() { xdotool type --clearmodifiers --delay 15 -- "$1"; sleep 0.1; }
title() { xdotool getwindowname "$main"; }

[ "$(title)" = "Kestrin Editor" ] || fail "the title at start is '$(title)'"

# Ctrl+O: Qt's open dialog, its file name field focused.
keys ctrl+o
wait_for '[ "$(xdotool getactivewindow 2>/dev/null)" != "$main" ]' 100 || fail "the open dialog did not open"
dialog=$(xdotool getactivewindow)
[ "$(xdotool getwindowname "$dialog")" = "Open Article" ] || fail "the open dialog's title is '$(xdotool getwindowname "$dialog")'"
sleep 0.3
type_text "$article"
keys Return
wait_for '[ "$(title)" = "raid.json - Kestrin Editor" ]' 100 || fail "the title after Open is '$(title)'"
wait_for '[ "$(xdotool getactivewindow 2>/dev/null)" = "$main" ]' 50 || fail "the main window is not active after Open"

# Basic data, from the tab strip: Tab, Tab reaches VersionText.
keys Tab Tab ctrl+a
type_text "1.3"
wait_for '[ "$(title)" = "raid.json* - Kestrin Editor" ]' 50 || fail "the title after an edit is '$(title)'"

keys ctrl+s
wait_for '[ "$(title)" = "raid.json - Kestrin Editor" ]' 50 || fail "the title after Save is '$(title)'"
sed 's/"version": "1.2"/"version": "1.3"/' "$example" >"$work/expected.json"
if ! cmp -s "$work/expected.json" "$article"; then
    diff "$work/expected.json" "$article" >&2 || true
    fail "the saved article's bytes differ from the expected ones"
fi
[ -z "$(find "$work/articles" -mindepth 1 ! -name raid.json)" ] || fail "the save left other files behind"
grep -q "raid.json" "$work/config/Vantry/Kestrin Editor.conf" || fail "the recent list was not kept"

xdotool windowactivate --sync "$main" 2>/dev/null || true
keys alt+F4
wait_for '! kill -0 "$app_pid" 2>/dev/null' 100 || fail "the program did not end after the close box"
status=0
wait "$app_pid" || status=$?
app_pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"

# A file named on the command line opens at start.
env -u QT_QPA_PLATFORMTHEME -u XDG_CURRENT_DESKTOP -u SESSION_MANAGER \
    XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb LANG=C.UTF-8 LC_ALL=C.UTF-8 \
    "$editor" articles/raid.json >"$work/editor.log" 2>&1 &
app_pid=$!
main=$(timeout 30 xdotool search --sync --onlyvisible --classname kestrin-editor | head -1) ||
    fail "the main window did not appear with a file"
wait_for '[ "$(title)" = "raid.json - Kestrin Editor" ]' 100 || fail "the title with a file at start is '$(title)'"
xdotool windowactivate --sync "$main" 2>/dev/null || true
keys alt+F4
wait_for '! kill -0 "$app_pid" 2>/dev/null' 100 || fail "the program did not end after the close box"
app_pid=""
echo "PASS: opened, edited, saved and compared $(stat -c %s "$article") bytes; opened it from the command line"
