#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows installer under Wine, as a user (or an administrator's script)
# runs it: installed silently (/S) into Program Files, with its files, the
# Start-menu entry and the entry in "Apps and features"; the installed
# kestrin-readme.exe runs, and the installed editor starts and finds its help
# beside it; the uninstaller, silent too, removes all of it. The zip holds
# the same programs, help and licences. Uses a Wine prefix of its own.
#
# usage: installer_e2e.sh KestrinEditor-<version>-win64.exe [the .zip]
set -euo pipefail
installer=$(realpath "$1")
zip=${2:-}
wine=${KESTRIN_WINE:-/usr/lib/wine/wine64}
wineserver=$(dirname "$wine")/wineserver
work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all
unset DISPLAY
cleanup() {
    "$wineserver" -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
"$wine" wineboot -i >/dev/null 2>&1 || true

folder="$WINEPREFIX/drive_c/Program Files/Kestrin Editor"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Kestrin Editor"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kestrin Editor'
installed_files=(kestrin-editor.exe kestrin-readme.exe Kestrin_Editor_Help.chm Uninstall.exe
    licences/KestrinEditor-MIT.txt licences/Qt-LGPL-3.0.txt licences/GPL-3.0.txt licences/chmlib-LGPL-2.1.txt
    licences/THIRD-PARTY.txt)

"$wine" "$installer" /S || fail "the installer ended with status $?"
"$wineserver" -w
for f in "${installed_files[@]}"; do
    [ -f "$folder/$f" ] || fail "not installed: $f"
done
[ -f "$menu/Kestrin Editor.lnk" ] || fail "no Start-menu entry ($(ls "$menu" 2>&1))"
entry=$("$wine" reg query "$key" 2>/dev/null | tr -d '\r')
for value in "DisplayName.*Kestrin Editor" "DisplayVersion.*[0-9]" "Publisher.*Vantry" "DisplayIcon.*kestrin-editor.exe" \
    "UninstallString.*Uninstall.exe"; do
    grep -q "$value" <<<"$entry" || fail "Apps and features: no $value in $entry"
done
if "$wine" reg query 'HKCR\.json' 2>/dev/null | grep -qi kestrin; then
    fail "the installer registered .json"
fi

# The installed programs run from where they are.
"$wine" "$folder/kestrin-readme.exe" --version | grep -q "^kestrin-readme [0-9]" ||
    fail "the installed kestrin-readme.exe does not run"
example=$(dirname "$0")/../../examples/harbour-raid.json
[ "$("$wine" "$folder/kestrin-readme.exe" "$example" | grep -c $'\r$')" -eq 52 ] ||
    fail "the installed kestrin-readme.exe did not write the worked example"
# The editor finds its help beside it: the help window's title is the
# file's own (an error would leave the plain one), seen on an X server.
if command -v Xvfb >/dev/null && command -v xdotool >/dev/null; then
    "$wineserver" -k 2>/dev/null || true
    cat >"$work/help.sh" <<'SCRIPT'
set -eu
openbox --sm-disable >/dev/null 2>&1 &
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do sleep 0.1; done
cd /
"$1" "$2" >/dev/null 2>&1 &
main=$(timeout 60 xdotool search --sync --onlyvisible --name '^Kestrin Editor$' | head -1)
xdotool windowactivate --sync "$main" 2>/dev/null || true
sleep 1
xdotool key F1
for _ in $(seq 100); do
    help=$(xdotool search --onlyvisible --name Help 2>/dev/null | head -1)
    [ -n "$help" ] && break
    sleep 0.1
done
sleep 1
# A help file that cannot be read is reported in a message box instead.
boxes=$(xdotool search --onlyvisible --name '^Kestrin Editor$' | wc -l)
"$3" -k
[ -n "$help" ] && [ "$boxes" -eq 1 ] && echo found
SCRIPT
    found=$("$(dirname "$0")/../e2e/xserver.sh" 1280x1024 bash "$work/help.sh" "$wine" "$folder/kestrin-editor.exe" "$wineserver")
    [ "$found" = found ] || fail "the installed editor did not show its help"
fi

# Uninstalled silently: nothing of it is left. The uninstaller copies
# itself elsewhere and returns at once; wait for it.
"$wine" "$folder/Uninstall.exe" /S || fail "the uninstaller ended with status $?"
"$wineserver" -w
for _ in $(seq 100); do
    [ -d "$folder" ] || break
    sleep 0.2
done
[ ! -e "$folder" ] || fail "left after uninstalling: $(find "$folder")"
[ ! -e "$menu" ] || fail "the Start-menu folder is left"
"$wine" reg query "$key" >/dev/null 2>&1 && fail "the Apps and features entry is left"

if [ -n "$zip" ]; then
    listing=$(unzip -Z1 "$zip")
    for f in kestrin-editor.exe kestrin-readme.exe Kestrin_Editor_Help.chm licences/THIRD-PARTY.txt; do
        grep -q "/$f$" <<<"$listing" || fail "the zip lacks $f"
    done
fi
echo "installer: installed, ran and uninstalled silently"
