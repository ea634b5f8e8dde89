#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Drives the real kestrin-editor on an X server with real key events: types
# into the fields, chooses Create on the menu bar, saves through the real
# save dialog, and compares the written bytes with the expected ReadMe.
# Then closes the window by its close box, which must end the program
# without a question. Run under xserver.sh; starts openbox itself.
#
# usage: editor_e2e.sh path/to/kestrin-editor
set -euo pipefail

editor=$(realpath "$1")
# shellcheck source=x11session.sh
source "$(dirname "$0")/x11session.sh"

start_openbox

# The program's own save dialog, in the folder it starts in; the file is
# written in the code page of an English locale (windows-1252).
start_editor

# Basic data; the focus starts on the tab strip. The Tab key order:
# AuthorText, VersionText, ReleaseText, ContactText1, ContactText2,
# ArticleCombo, (ContactText3 once allowed), SkypeCheck, ICQCheck,
# OtherCheck, ArticleNameText.
keys Tab;            type_text "Raid Team"; keys Return; type_text "Ann"
keys Tab;            type_text "1.2"
keys Tab;            type_text "2011-05-01"
keys Tab ctrl+a;     type_text "http://example.org"
keys Tab ctrl+a;     type_text "raid@example.org"
keys Tab Home Down                      # ArticleCombo: "MP mission"
keys Tab space                          # tick SkypeCheck
keys shift+Tab;      type_text "raid.team"   # ContactText3, now editable
keys Tab Tab Tab Tab; type_text "Harbour Raid"

# Details: from the tab strip, Tab reaches ClassnamesCheck first.
keys Tab Right Right Right
keys Tab space                          # tick ClassnamesCheck
keys Tab Tab Tab;    type_text "Tested on dedicated server."
keys Tab;            type_text "Take the harbour before dawn."; keys Return; type_text "Up to 8 players."

# Create, a command on the menu bar itself: Alt, Right, Enter.
keys alt
keys Right Return

wait_for '[ "$(xdotool getactivewindow 2>/dev/null)" != "$main" ]' 100 || fail "the save dialog did not open"
dialog=$(xdotool getactivewindow)
[ "$(xdotool getwindowname "$dialog")" = "Kestrin Editor" ] || fail "the save dialog's title is wrong"
sleep 0.3
type_text "ReadMe.txt"
keys Return

wait_for '[ -f "$work/ReadMe.txt" ]' 100 || fail "no file was written"
# The report of success; Enter closes it.
wait_for 'w=$(xdotool getactivewindow 2>/dev/null) && [ "$w" != "$main" ] && [ "$w" != "$dialog" ]' 100 ||
    fail "no message after saving"
keys Return
wait_for '[ "$(xdotool getactivewindow 2>/dev/null)" = "$main" ]' 50 || fail "the message did not close"

expected="$work/expected.txt"
lines=(
    $'MP mission\t-\tHarbour Raid'
    "================="
    "Version: 1.2"
    "Author(s): Raid Team"
    "Ann"
    ""
    "Release date: 2011-05-01"
    ""
    "Contacts:"
    "================="
    "Web: http://example.org"
    "Email: raid@example.org"
    "Skype: raid.team"
    ""
    ""
    "Required game: "
    "================="
    ""
    "Required addons: "
    "================="
    "None - official only"
    ""
    "Installation: "
    "================="
    "Move the mission *.pbo file(s) into the directory for the single player missions."
    'Typically - C:\Program Files\Bohemia Interactive\Arma 2\Missions.'
    "Then you will find this mission(s) in the SP missions list in the game menu."
    "In case of any problems try to contact author(s)."
    "You may also try to find a solution on official forums - http://forums.bistudio.com/index.php"
    ""
    "Description: "
    "================="
    "Take the harbour before dawn."
    "Up to 8 players."
    ""
    "Notes: "
    "================="
    "Tested on dedicated server."
    ""
    "Credits: "
    "================="
    ""
    ""
    "Disclaimer:"
    "================="
    "Any unauthorized modification of the released files is not allowed without any written permission by the author(s)."
    "You are using those files at your own risk."
    "Author(s) of those files are not liable for any damage or loss of data caused by using of those files."
    "Usage of those files is also prohibited for any commercial purposes."
    ""
    "--- ReadMe file created in Kestrin Editor by Vantry ---"
)
printf '%s\r\n' "${lines[@]}" >"$expected"
if ! cmp -s "$expected" "$work/ReadMe.txt"; then
    diff <(cat -A "$expected") <(cat -A "$work/ReadMe.txt") >&2 || true
    fail "the ReadMe's bytes differ from the expected ones"
fi

# The close box (here openbox's Alt+F4) ends the program at once.
close_editor
echo "PASS: typed, created, saved and compared $(stat -c %s "$work/ReadMe.txt") bytes"
