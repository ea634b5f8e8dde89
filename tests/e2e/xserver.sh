#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command on an X server of its own (Xvfb), like `xvfb-run -a`, but
# lets the server choose a free display number itself (-displayfd): two
# tests started at the same moment can never pick the same number, which
# xvfb-run's search of the lock files allows. The server listens on its
# local socket only and ends with the command; the command's status is
# returned.
#
# usage: xserver.sh WIDTHxHEIGHT command [arguments...]
set -euo pipefail

size=$1
shift
dir=$(mktemp -d)
server=""
cleanup() {
    if [ -n "$server" ]; then
        kill "$server" 2>/dev/null || true
        wait "$server" 2>/dev/null || true
    fi
    rm -rf "$dir"
}
trap cleanup EXIT

mkfifo "$dir/display"
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$dir/display" \
    >"$dir/server.log" 2>&1 &
server=$!
number=""
read -r -t 30 number <"$dir/display" || true
if [ -z "$number" ]; then
    echo "FAIL: Xvfb did not start" >&2
    cat "$dir/server.log" >&2
    exit 1
fi

status=0
DISPLAY=":$number" "$@" || status=$?
exit $status
