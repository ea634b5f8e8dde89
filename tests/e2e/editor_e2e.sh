#!/usr/bin/env bash
# Drives the real kestrin-editor on an X server with real key events: types
# into the fields, chooses Create on the menu bar, saves through the real
# save dialog, and compares the written bytes with the expected ReadMe.
# Then closes the window by its close box, which must end the program
# without a question. Run under xvfb-run; starts openbox itself.
#
# usage: editor_e2e.sh path/to/kestrin-editor
set -euo pipefail

editor=$(realpath "$1")
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
    import -window root "${KESTRIN_E2E_SHOT:-/tmp/kestrin-e2e-failure.png}" 2>/dev/null &&
        echo "screen saved to ${KESTRIN_E2E_SHOT:-/tmp/kestrin-e2e-failure.png}" >&2
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

# The program's own save dialog, in the folder it starts in; the file is
# written in the code page of an English locale (windows-1252).
cd "$work"
env -u QT_QPA_PLATFORMTHEME -u XDG_CURRENT_DESKTOP -u SESSION_MANAGER \
    QT_QPA_PLATFORM=xcb LANG=C.UTF-8 LC_ALL=C.UTF-8 "$editor" >"$work/editor.log" 2>&1 &
app_pid=$!

main=$(timeout 30 xdotool search --sync --onlyvisible --classname kestrin-editor | head -1) ||
    fail "the main window did not appear"
xdotool windowactivate --sync "$main" 2>/dev/null || true
wait_for '[ "$(xdotool getactivewindow 2>/dev/null)" = "$main" ]' 100 || fail "the main window is not active"
sleep 0.3

keys() { xdotool key --clearmodifiers --delay 40 "$@"; sleep 0.1; }
type_text() { xdotool type --clearmodifiers --delay 15 -- "$1"; sleep 0.1; }

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
xdotool windowactivate --sync "$main" 2>/dev/null || true
keys alt+F4
wait_for '! kill -0 "$app_pid" 2>/dev/null' 100 || fail "the program did not end after the close box"
status=0
wait "$app_pid" || status=$?
app_pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "PASS: typed, created, saved and compared $(stat -c %s "$work/ReadMe.txt") bytes"
