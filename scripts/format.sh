#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks or applies the code style of .clang-format (clang-format 14) on the
# tracked C++ files.
#
#   scripts/format.sh [--check] [FILE...]   fail, showing what would change,
#                                           when a file differs (the default)
#   scripts/format.sh --apply [FILE...]     reformat the files in place
#
# Without FILEs: every tracked .cpp and .h file, except generated ones
# (save/codepagetables.cpp, written by scripts/gen_codepages.py).
set -euo pipefail
cd "$(dirname "$0")/.."

clang_format=${CLANG_FORMAT:-clang-format-14}
generated=(save/codepagetables.cpp)

mode=--check
if [ $# -gt 0 ] && [[ $1 == --* ]]; then
    mode=$1
    shift
fi
case $mode in
--check | --apply) ;;
*)
    echo "usage: scripts/format.sh [--check | --apply] [FILE...]" >&2
    exit 2
    ;;
esac

if ! command -v "$clang_format" >/dev/null 2>&1; then
    echo "format.sh: $clang_format not found (apt-get install clang-format-14; scripts/deps.sh lists it)" >&2
    exit 2
fi

if [ $# -gt 0 ]; then
    # A generated file keeps its generator's layout, even when named.
    files=()
    for f in "$@"; do
        printf '%s\n' "${generated[@]}" | grep -qxF -- "${f#./}" || files+=("$f")
    done
else
    mapfile -t files < <(git ls-files -- '*.cpp' '*.h' | grep -vxF -f <(printf '%s\n' "${generated[@]}"))
fi

if [ "$mode" = --apply ]; then
    "$clang_format" -i --style=file "${files[@]}"
    echo "formatted ${#files[@]} file(s)"
    exit 0
fi

differing=0
changed_lines=0
shown=0
for f in "${files[@]}"; do
    if "$clang_format" --dry-run -Werror --style=file "$f" >/dev/null 2>&1; then
        continue
    fi
    differing=$((differing + 1))
    patch=$(diff -u --label "$f" --label "$f (formatted)" "$f" <("$clang_format" --style=file "$f") || true)
    n=$(grep -c '^-[^-]\|^-$' <<<"$patch" || true)
    changed_lines=$((changed_lines + n))
    echo "$f: $n line(s) differ from .clang-format"
    # Enough of the differences to see what is meant, not all of them.
    if [ $shown -lt 200 ]; then
        sed -n '3,40p' <<<"$patch"
        shown=$((shown + 38))
    fi
done

if [ $differing -ne 0 ]; then
    echo "format.sh: $differing of ${#files[@]} file(s) differ ($changed_lines line(s)); scripts/format.sh --apply FILE... reformats them" >&2
    exit 1
fi
echo "format.sh: ${#files[@]} file(s) follow .clang-format"
