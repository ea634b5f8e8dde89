#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The editor's accessibility tree on a real AT-SPI bus, as a screen reader
# sees it: starts the accessibility bus of the session, the editor with
# accessibility on, and reads the tree with atspi_tree.py. Run inside
# dbus-run-session under xserver.sh.
#
# usage: atspi_e2e.sh path/to/kestrin-editor [python3]
set -euo pipefail

editor=$(realpath "$1")
python=${2:-python3}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || { echo "FAIL: no session bus (run under dbus-run-session)" >&2; exit 1; }
# The accessibility bus is started on request; Qt only joins one that runs.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null ||
    { echo "FAIL: the session has no accessibility bus (at-spi2-core)" >&2; exit 1; }

cd "$work"
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb LANG=C.UTF-8 LC_ALL=C.UTF-8 \
    "$editor" >"$work/editor.log" 2>&1 &
app_pid=$!

status=0
"$python" "$here/atspi_tree.py" "Kestrin Editor" || status=$?
if [ $status -ne 0 ]; then
    cat "$work/editor.log" >&2
    exit $status
fi
kill -0 "$app_pid" 2>/dev/null || { echo "FAIL: the editor ended while its tree was read" >&2; exit 1; }
echo "the accessibility tree lists the five tabs, every field with its label and the status panels"
