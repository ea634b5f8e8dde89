#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a test program with a StatusNotifierWatcher on the session bus, as a
# desktop panel with a notification area (KDE Plasma, GNOME with the
# AppIndicator extension) provides one. Run inside dbus-run-session, under
# xserver.sh.
#
# usage: statusnotifier_e2e.sh path/to/test-program [python3]
set -euo pipefail

program=$(realpath "$1")
python=${2:-python3}
here=$(cd "$(dirname "$0")" && pwd)
[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || { echo "FAIL: no session bus (run under dbus-run-session)" >&2; exit 1; }

log=$(mktemp)
"$python" "$here/statusnotifier_watcher.py" >"$log" 2>&1 &
watcher=$!
trap 'kill "$watcher" 2>/dev/null || true; rm -f "$log"' EXIT
for _ in $(seq 1 100); do
    grep -q '^watcher: ready' "$log" && break
    kill -0 "$watcher" 2>/dev/null || break
    sleep 0.1
done
grep -q '^watcher: ready' "$log" || { echo "FAIL: the watcher did not start" >&2; cat "$log" >&2; exit 1; }

status=0
env -u QT_QPA_PLATFORMTHEME -u XDG_CURRENT_DESKTOP -u SESSION_MANAGER QT_QPA_PLATFORM=xcb \
    LANG=C.UTF-8 LC_ALL=C.UTF-8 "$program" || status=$?
echo "--- the watcher's log"
cat "$log"
exit $status
