#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a test program on Weston's headless backend with Qt's Wayland
# platform: a compositor of its own in a runtime folder of its own, no X
# display and no session bus (so no notification area). The headless
# compositor has no seat; Qt's Wayland text-input support needs one, so
# the plain compose input method stands in for it.
#
# usage: wayland_e2e.sh path/to/test-program [arguments...]
set -euo pipefail

program=$(realpath "$1")
shift
runtime=$(mktemp -d)
chmod 700 "$runtime"
weston_pid=""
cleanup() {
    [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null || true
    rm -rf "$runtime"
}
trap cleanup EXIT

socket=kestrin-test-$$
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket="$socket" --no-config \
    --idle-time=0 --width=1280 --height=1024 >"$runtime/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 1 100); do
    [ -S "$runtime/$socket" ] && break
    kill -0 "$weston_pid" 2>/dev/null || break
    sleep 0.1
done
if [ ! -S "$runtime/$socket" ]; then
    echo "FAIL: weston did not start" >&2
    cat "$runtime/weston.log" >&2
    exit 1
fi

cd "$runtime"
# Under the sanitizers, leave out Qt's OpenGL (EGL) buffer integration: Mesa's
# software driver, loaded for it, leaves a buffer behind that LeakSanitizer
# can no longer name once the driver is unloaded at exit, so no suppression
# can match it. The editor's widgets draw through shared memory either way.
hw_integration=()
[ -n "${ASAN_OPTIONS:-}" ] && hw_integration=(QT_WAYLAND_CLIENT_BUFFER_INTEGRATION=none)
# The client's side of the protocol goes to a log: the one minimise request
# is looked for there.
status=0
env -u DISPLAY -u DBUS_SESSION_BUS_ADDRESS -u QT_QPA_PLATFORMTHEME -u XDG_CURRENT_DESKTOP -u SESSION_MANAGER \
    XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client \
    QT_IM_MODULE=compose LANG=C.UTF-8 LC_ALL=C.UTF-8 "${hw_integration[@]}" \
    "$program" "$@" 2>"$runtime/client.log" || status=$?
grep -v '^\[ *[0-9.]*\] ' "$runtime/client.log" >&2 || true
if [ $status -ne 0 ]; then
    echo "FAIL: $(basename "$program") ended with status $status" >&2
    exit $status
fi
minimized=$(grep -c 'xdg_toplevel@[0-9]*\.set_minimized()' "$runtime/client.log" || true)
if [ "$minimized" -ne 1 ]; then
    echo "FAIL: $minimized minimise request(s) to the compositor, expected 1" >&2
    exit 1
fi
echo "the window asked the compositor once to minimise it"
