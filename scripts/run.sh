#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Kestrin Editor and starts it. Installs what is missing.
# Without a display, starts it on a virtual one just long enough to save a
# screenshot of the window, and says where.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
kestrin_install_missing

cmake --preset default >/dev/null
cmake --build --preset default

app=build/default/app/kestrin-editor
if [ ! -x "$app" ]; then
    echo "The editor's window is not built yet; the ReadMe document library and its tests are."
    exit 0
fi

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$app" "$@"
fi

shot="${KESTRIN_SCREENSHOT:-$PWD/kestrin-editor-screenshot.png}"
echo "No display found: starting Kestrin Editor on a virtual display (Xvfb) to take a screenshot."
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    openbox --sm-disable >/dev/null 2>&1 & wm=$!
    sleep 0.5
    "$1" & pid=$!
    trap "kill $pid $wm 2>/dev/null" EXIT
    id=$(timeout 30 xdotool search --sync --onlyvisible --classname kestrin-editor | head -1) || {
        echo "The editor did not open its window." >&2; exit 1; }
    sleep 1
    import -frame -window "$id" "$2"
' _ "$(realpath "$app")" "$shot"
echo "Screenshot of the window saved to $shot"
