#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# kestrin-editor's --help and --version, answered without a display: written
# whole they exit 0; onto a full device or a closed standard output they
# exit 1 with one message on standard error.
#
# usage: editor_cli.sh path/to/kestrin-editor
set -uo pipefail

editor=$1
failures=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# option | where standard output goes | status | what standard output or error must hold
rows=(
    "--help|file|0|out:--version"
    "--version|file|0|out:^Kestrin Editor [0-9]"
    "-h|file|0|out:--help"
    "--help|full|1|err:^kestrin-editor: cannot write to standard output: No space left on device$"
    "--version|full|1|err:^kestrin-editor: cannot write to standard output: No space left on device$"
    "-v|full|1|err:cannot write to standard output"
    "--version|closed|1|err:cannot write to standard output"
)

for row in "${rows[@]}"; do
    IFS='|' read -r option target want expect <<<"$row"
    case $target in
    file) env -u DISPLAY -u WAYLAND_DISPLAY "$editor" "$option" >"$work/out" 2>"$work/err" ;;
    full) env -u DISPLAY -u WAYLAND_DISPLAY "$editor" "$option" >/dev/full 2>"$work/err" ;;
    closed) env -u DISPLAY -u WAYLAND_DISPLAY "$editor" "$option" >&- 2>"$work/err" ;;
    esac
    status=$?
    [ "$target" = file ] || : >"$work/out"
    stream=${expect%%:*}
    pattern=${expect#*:}
    if [ "$status" != "$want" ]; then
        echo "FAIL $option into $target: exit $status, not $want"
        failures=$((failures + 1))
    elif ! grep -q -- "$pattern" "$work/$stream"; then
        echo "FAIL $option into $target: standard $stream does not match \"$pattern\":"
        cat "$work/$stream"
        failures=$((failures + 1))
    else
        echo "ok   $option into $target"
    fi
done
[ "$failures" = 0 ]
