#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Fails when a production source file is longer than the limit, listing
# each such file with its length: a file that long holds more than one job
# and is to be split along its seams.
#
#   scripts/file_lengths.sh [ROOT]    ROOT: the source tree (default: here)
#
# KESTRIN_MAX_FILE_LINES overrides the limit (the tests use it to see the
# check fail).
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
limit=${KESTRIN_MAX_FILE_LINES:-500}
folders=(article readme save form import helparchive fileio ui app)

# Files known to be longer, each with why it still is; the list only
# shrinks. A file listed here that has been split below the limit is an
# error too, so that the list stays true.
known=(
)

is_known() {
    local file=$1 entry
    for entry in "${known[@]}"; do
        [ "$entry" = "$file" ] && return 0
    done
    return 1
}

status=0
cd "$root"
while IFS= read -r file; do
    lines=$(wc -l <"$file")
    if [ "$lines" -gt "$limit" ] && ! is_known "$file"; then
        echo "too long: $file has $lines lines (at most $limit)"
        status=1
    fi
done < <(find "${folders[@]}" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.cpp.in' -o -name '*.h.in' \) 2>/dev/null | sort)
for file in "${known[@]}"; do
    if [ -f "$file" ] && [ "$(wc -l <"$file")" -le "$limit" ]; then
        echo "no longer too long: $file; take it off the list in scripts/file_lengths.sh"
        status=1
    fi
done
[ $status -eq 0 ] && echo "file_lengths.sh: no production source file is over $limit lines (${#known[@]} known exceptions)"
exit $status
