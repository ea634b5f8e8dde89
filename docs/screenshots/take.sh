#!/usr/bin/env bash
# Takes the README's screenshots: the editor's window on each of its five
# tabs, on a virtual display with openbox drawing the frame.
#
# usage: docs/screenshots/take.sh [path/to/kestrin-editor]
# (run under xvfb-run, or it starts one itself)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
editor=$(realpath "${1:-$here/../../build/default/app/kestrin-editor}")

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$editor"
fi

openbox --sm-disable >/dev/null 2>&1 &
wm=$!
sleep 0.5
env -u QT_QPA_PLATFORMTHEME QT_QPA_PLATFORM=xcb "$editor" >/dev/null 2>&1 &
app=$!
trap 'kill $app $wm 2>/dev/null || true' EXIT

id=$(timeout 20 xdotool search --sync --onlyvisible --classname kestrin-editor | head -1)
xdotool windowactivate --sync "$id" >/dev/null 2>&1 || true
sleep 0.5
for name in basic-data requirements installation details credits; do
    import -frame -window "$id" "$here/$name.png"
    xdotool key Right   # the tab strip has the focus: the next tab
    sleep 0.3
done
echo "screenshots saved in $here"
