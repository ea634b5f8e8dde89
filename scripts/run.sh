#!/usr/bin/env bash
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
    "$1" & pid=$!
    for _ in $(seq 1 50); do
        xdotool search --name "^Kestrin Editor$" >/dev/null 2>&1 && break
        sleep 0.2
    done
    sleep 1
    import -window root "$2"
    kill "$pid"
' _ "$app" "$shot"
echo "Screenshot of the window saved to $shot"
