#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Drives the real kestrin-editor on an X server with real key events through
# the real file dialogs: Ctrl+O opens an article file, an edit marks the
# title, Ctrl+S writes the file, whose bytes are then compared. Run under
# xserver.sh; starts openbox itself.
#
# usage: article_e2e.sh path/to/kestrin-editor path/to/harbour-raid.json
set -euo pipefail

editor=$(realpath "$1")
example=$(realpath "$2")
# shellcheck source=x11session.sh
source "$(dirname "$0")/x11session.sh"
failure_shot=${KESTRIN_E2E_SHOT:-/tmp/kestrin-article-e2e-failure.png}

start_openbox

mkdir -p "$work/articles" "$work/config"
article="$work/articles/raid.json"
cp "$example" "$article"

# The recent list goes to a settings folder of the test's own.
editor_env=(XDG_CONFIG_HOME="$work/config")
start_editor

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

close_editor

# A file named on the command line opens at start.
start_editor articles/raid.json
wait_for '[ "$(title)" = "raid.json - Kestrin Editor" ]' 100 || fail "the title with a file at start is '$(title)'"
close_editor
echo "PASS: opened, edited, saved and compared $(stat -c %s "$article") bytes; opened it from the command line"
