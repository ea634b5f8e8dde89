#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks or adds the licence line "SPDX-License-Identifier: MIT" at the top
# of the tracked source files.
#
#   scripts/spdx.sh [--check] [FILE...]   list the files without the line and
#                                         fail when there are any (the default)
#   scripts/spdx.sh --apply [FILE...]     add the line where it is missing
#
# Without FILEs: every tracked file of a kind that takes a comment, in that
# kind's comment syntax:
#   //  C++ (.cpp .h .h.in)          /* */  CSS
#   #   CMake, shell, Python, desktop files, sanitizer suppressions, fuzzing
#       dictionaries, and files without an extension that start with "#!"
#   <!-- -->  HTML, XML, SVG, Markdown (after an <?xml ?> or <!DOCTYPE> line)
#   .\"  manual pages
# The line goes first, or right after a "#!" or declaration line. Data the
# programs or tests read byte for byte (golden texts, fixtures, fuzzing
# corpora, JSON), the help project's .hhp/.hhc files, the change log and
# the licence texts themselves are left alone. A file that already names
# a licence in its first lines (another SPDX identifier) is left as it is.
set -euo pipefail
cd "$(dirname "$0")/.."

readonly tag="SPDX-License-Identifier:"
readonly licence=MIT

mode=--check
if [ $# -gt 0 ] && [[ $1 == --* ]]; then
    mode=$1
    shift
fi
case $mode in
--check | --apply) ;;
*)
    echo "usage: scripts/spdx.sh [--check | --apply] [FILE...]" >&2
    exit 2
    ;;
esac

# The comment line for a file, or nothing when the file is not one the
# line belongs in.
comment_for() {
    local f=$1 base=${1##*/}
    case /$f in
    */tests/golden/* | */tests/*/fixtures/* | */tests/fuzz/corpus/* | */tests/core/exports/*) return 0 ;;
    esac
    case $base in
    .*) return 0 ;; # .gitignore, .clang-format and the like
    *.cpp | *.h | *.h.in) echo "// $tag $licence" ;;
    *.css) echo "/* $tag $licence */" ;;
    CMakeLists.txt | *.cmake | *.sh | *.py | *.desktop.in | *.desktop | *.supp | *.dict) echo "# $tag $licence" ;;
    *.html | *.xml | *.xml.in | *.svg | *.md) echo "<!-- $tag $licence -->" ;;
    *.[1-8]) echo ".\\\" $tag $licence" ;;
    *.*) return 0 ;;
    *)
        # No extension: a script if it says so on its first line.
        if [ "$(head -c 2 "$f")" = "#!" ]; then
            echo "# $tag $licence"
        fi
        ;;
    esac
}

has_line() {
    head -n 5 "$1" | grep -q "$tag"
}

# Inserts the line after a first line that must stay first (#!, <?xml ?>,
# <!DOCTYPE>), otherwise at the very top.
add_line() {
    local f=$1 line=$2 tmp
    tmp=$(mktemp "$f.spdx.XXXXXX")
    if head -n 1 "$f" | grep -qE '^(#!|<\?xml|<!DOCTYPE|<!doctype)'; then
        { head -n 1 "$f"; printf '%s\n' "$line"; tail -n +2 "$f"; } >"$tmp"
    else
        { printf '%s\n' "$line"; cat "$f"; } >"$tmp"
    fi
    chmod --reference="$f" "$tmp"
    mv "$tmp" "$f"
}

if [ $# -gt 0 ]; then
    files=("$@")
else
    mapfile -t files < <(git ls-files)
fi

missing=()
checked=0
for f in "${files[@]}"; do
    [ -f "$f" ] || continue
    line=$(comment_for "$f")
    [ -n "$line" ] || continue
    checked=$((checked + 1))
    has_line "$f" && continue
    if [ "$mode" = --apply ]; then
        add_line "$f" "$line"
    fi
    missing+=("$f")
done

if [ "$mode" = --apply ]; then
    echo "spdx.sh: added the line to ${#missing[@]} of $checked file(s)"
    exit 0
fi
if [ ${#missing[@]} -ne 0 ]; then
    printf '%s\n' "${missing[@]}"
    echo "spdx.sh: ${#missing[@]} of $checked file(s) lack the line \"$tag $licence\"; scripts/spdx.sh --apply adds it" >&2
    exit 1
fi
echo "spdx.sh: $checked file(s) carry the licence line"
