#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes the README's screenshots: the editor's window on each of its five
# tabs, on a virtual display with openbox drawing the frame.
#
# usage: docs/screenshots/take.sh [--language LL] [path/to/kestrin-editor]
# (run under xvfb-run, or it starts one itself). With --language, the five
# tabs in that language (de, cs, ru, pl), saved as basic-data-LL.png ...
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
language=
if [ "${1:-}" = --language ]; then
    language=$2
    shift 2
fi
editor=$(realpath "${1:-$here/../../build/default/app/kestrin-editor}")

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" ${language:+--language "$language"} "$editor"
fi

openbox --sm-disable >/dev/null 2>&1 &
wm=$!
sleep 0.5
env -u QT_QPA_PLATFORMTHEME -u LC_ALL -u LC_MESSAGES QT_QPA_PLATFORM=xcb LANG=C.UTF-8 LANGUAGE="${language:-en}" \
    "$editor" >/dev/null 2>&1 &
app=$!
trap 'kill $app $wm 2>/dev/null || true' EXIT

id=$(timeout 20 xdotool search --sync --onlyvisible --classname kestrin-editor | head -1)
xdotool windowactivate --sync "$id" >/dev/null 2>&1 || true
sleep 0.5
for name in basic-data requirements installation details credits; do
    import -frame -window "$id" "$here/$name${language:+-$language}.png"
    xdotool key Right   # the tab strip has the focus: the next tab
    sleep 0.3
done
if [ -n "$language" ]; then
    echo "screenshots saved in $here"
    exit 0
fi

# The ReadMe preview beside a filled-in Basic data tab, with one character
# the code page cannot hold marked.
xdotool key Left Left Left Left Left   # back to "Basic data"
sleep 0.3
type() { sleep 0.3; xdotool type --delay 40 "$1"; sleep 0.3; }
# The fields follow the window's tab order: Author(s), Version, Release
# date after the tab strip; the name is last, one step back from the strip.
xdotool key Tab && type "Raid Team"
xdotool key Tab && type "1.2"
xdotool key Tab && type "2011-05-01"
xdotool key shift+Tab shift+Tab shift+Tab shift+Tab && type "Harbour Raid – Přístav"
xdotool key F5
preview=$(timeout 20 xdotool search --sync --onlyvisible --name "ReadMe Preview" | head -1)
sleep 1
import -frame -window "$preview" "$here/preview.png"
echo "screenshots saved in $here"
