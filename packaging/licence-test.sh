#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The licence in its three places, and the tool that marks the sources:
#   - packaging/copyright (Debian's machine-readable form) carries the same
#     MIT terms, word for word, as LICENSE;
#   - scripts/spdx.sh --apply adds the licence line in each kind of file's
#     own comment syntax, after a first line that must stay first, once
#     only, and leaves data files alone; --check then passes, and fails on
#     a file without the line.
#
# usage: licence-test.sh SOURCE_DIR
set -euo pipefail

source_dir=$(realpath "${1:?usage: licence-test.sh SOURCE_DIR}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# The MIT terms: LICENSE from its permission notice on, and the copyright
# file's "License: MIT" paragraph (lines indented by one blank, "." for an
# empty line), both as words.
words() { tr -s ' \n' '\n\n' | grep -v '^\.\?$'; }
sed -n '/^Permission is hereby granted/,$p' "$source_dir/LICENSE" | words >"$work/license"
awk '/^License: MIT$/ {on = 1; next} on && /^[^ ]/ {on = 0} on' "$source_dir/packaging/copyright" | words >"$work/copyright"
[ -s "$work/license" ] || fail "LICENSE has no MIT permission notice"
cmp -s "$work/license" "$work/copyright" || fail "packaging/copyright's MIT terms differ from LICENSE"
grep -q '^Copyright (c) 2026 The Kestrin Editor developers$' "$source_dir/LICENSE" || fail "LICENSE names another holder"

# One file of each kind: its name, its text before and the first two lines
# after --apply ("-" where the file must stay as it was).
mkdir -p "$work/tree/tests/golden"
cd "$work/tree"
printf '#!/bin/sh\necho hi\n' >run.sh
printf 'int x;\n' >code.cpp
printf '<?xml version="1.0"?>\n<a/>\n' >data.xml
printf '<!DOCTYPE html>\n<p>hi</p>\n' >page.html
printf 'p { }\n' >style.css
printf '.TH X 1\n' >tool.1
printf 'project(x)\n' >CMakeLists.txt
printf '{"a": 1}\n' >data.json
printf '<p>golden</p>\n' >tests/golden/readme.html
printf '#!/usr/bin/env python3\nprint()\n' >noextension
chmod +x run.sh noextension
expect=(
    "run.sh|#!/bin/sh|# SPDX-License-Identifier: MIT"
    "code.cpp|// SPDX-License-Identifier: MIT|int x;"
    "data.xml|<?xml version=\"1.0\"?>|<!-- SPDX-License-Identifier: MIT -->"
    "page.html|<!DOCTYPE html>|<!-- SPDX-License-Identifier: MIT -->"
    "style.css|/* SPDX-License-Identifier: MIT */|p { }"
    "tool.1|.\\\" SPDX-License-Identifier: MIT|.TH X 1"
    "CMakeLists.txt|# SPDX-License-Identifier: MIT|project(x)"
    "noextension|#!/usr/bin/env python3|# SPDX-License-Identifier: MIT"
)
files=(run.sh code.cpp data.xml page.html style.css tool.1 CMakeLists.txt data.json tests/golden/readme.html noextension)
spdx=$source_dir/scripts/spdx.sh
"$spdx" --check "${files[@]/#/$PWD/}" >/dev/null 2>&1 && fail "--check passes on files without the line"
"$spdx" --apply "${files[@]/#/$PWD/}" >/dev/null
"$spdx" --apply "${files[@]/#/$PWD/}" >/dev/null
for e in "${expect[@]}"; do
    IFS='|' read -r f first second <<<"$e"
    [ "$(sed -n 1p "$f")" = "$first" ] && [ "$(sed -n 2p "$f")" = "$second" ] ||
        fail "$f begins $(head -n 2 "$f" | tr '\n' '|'), expected $first|$second"
    [ "$(grep -c SPDX-License-Identifier "$f")" -eq 1 ] || fail "$f carries the line more than once"
done
[ -x run.sh ] || fail "run.sh is no longer executable"
[ "$(cat data.json)" = '{"a": 1}' ] || fail "data.json was changed"
[ "$(cat tests/golden/readme.html)" = '<p>golden</p>' ] || fail "a golden file was changed"
"$spdx" --check "${files[@]/#/$PWD/}" >/dev/null || fail "--check fails after --apply"

[ $failures -eq 0 ] || exit 1
echo "licence OK: LICENSE and packaging/copyright agree; spdx.sh marks ${#expect[@]} kinds of file and leaves data alone"
