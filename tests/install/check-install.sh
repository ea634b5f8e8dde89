#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs a build into a temporary DESTDIR under the prefix /usr and checks
# the installed tree:
#   - every expected file is there, of the right kind (programs executable,
#     icons PNGs of their size, manual pages gzip'd), and nothing else;
#   - the desktop file and the metainfo validate, and agree on the id;
#   - the article file's type names article files, and only those, with
#     the system's types beside it;
#   - the editor finds its help file where it looks beside the program;
#   - the installed kestrin-readme makes the worked example's ReadMe.
#
# Usage: check-install.sh BUILD_DIR SOURCE_DIR
set -euo pipefail

build=${1:?usage: check-install.sh BUILD_DIR SOURCE_DIR}
source=${2:?usage: check-install.sh BUILD_DIR SOURCE_DIR}
id=io.github.vantry.KestrinEditor
sizes=(16 22 24 32 48 64 256)

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

DESTDIR="$stage" cmake --install "$build" --prefix /usr >"$stage.log" 2>&1 || {
    cat "$stage.log" >&2
    rm -f "$stage.log"
    echo "FAIL: cmake --install failed" >&2
    exit 1
}
rm -f "$stage.log"
root="$stage/usr"

expected=(
    bin/kestrin-editor
    bin/kestrin-readme
    share/kestrin-editor/Kestrin_Editor_Help.chm
    share/kestrin-editor/Kestrin_Editor_Help_de.chm
    share/kestrin-editor/Kestrin_Editor_Help_cs.chm
    share/kestrin-editor/Kestrin_Editor_Help_ru.chm
    share/kestrin-editor/Kestrin_Editor_Help_pl.chm
    share/applications/$id.desktop
    share/metainfo/$id.metainfo.xml
    share/mime/packages/$id.xml
    share/icons/hicolor/scalable/apps/$id.svg
    share/man/man1/kestrin-editor.1.gz
    share/man/man1/kestrin-readme.1.gz
    share/doc/kestrin-editor/README.md
    share/doc/kestrin-editor/changelog.gz
    share/doc/kestrin-editor/copyright
    share/doc/kestrin-editor/article-format.md
    share/doc/kestrin-editor/article.schema.json
    share/doc/kestrin-editor/export-formats.md
    share/doc/kestrin-editor/examples/harbour-raid.json
)
for size in "${sizes[@]}"; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done

# Every expected file, and nothing else.
for f in "${expected[@]}"; do
    [ -f "$root/$f" ] || fail "missing: /usr/$f"
done
while IFS= read -r f; do
    rel=${f#"$root/"}
    [ "$rel" != "$f" ] || { fail "installed outside the prefix: ${f#"$stage"}"; continue; }
    found=0
    for e in "${expected[@]}"; do
        [ "$e" = "$rel" ] && found=1 && break
    done
    [ $found -eq 1 ] || fail "not expected: /usr/$rel"
done < <(find "$stage" -type f -o -type l)

# Kinds of files.
for p in kestrin-editor kestrin-readme; do
    [ -x "$root/bin/$p" ] || fail "/usr/bin/$p is not executable"
    file -b "$root/bin/$p" | grep -q '^ELF' || fail "/usr/bin/$p is not an ELF program"
done
for size in "${sizes[@]}"; do
    f="$root/share/icons/hicolor/${size}x${size}/apps/$id.png"
    [ -f "$f" ] || continue
    file -b "$f" | grep -q "^PNG image data, $size x $size," \
        || fail "icon ${size}x${size} is not a $size x $size PNG: $(file -b "$f")"
done
svg="$root/share/icons/hicolor/scalable/apps/$id.svg"
[ -f "$svg" ] && { grep -q '<svg' "$svg" || fail "the scalable icon is not an SVG"; }
for page in kestrin-editor kestrin-readme; do
    f="$root/share/man/man1/$page.1.gz"
    [ -f "$f" ] || continue
    gzip -t "$f" || fail "$page.1.gz is not gzip'd"
    zcat "$f" | grep -q "^\.TH ${page^^} 1" || fail "$page.1.gz is not the manual page of $page"
done
f="$root/share/doc/kestrin-editor/changelog.gz"
[ -f "$f" ] && { zcat "$f" | head -n 1 | grep -q '^kestrin-editor (' || fail "changelog.gz is not the package's change log"; }
for chm in "$root"/share/kestrin-editor/Kestrin_Editor_Help*.chm; do
    head -c 4 "$chm" | grep -q ITSF || fail "${chm##*/} is not a compiled HTML Help file"
done

# The help file where the editor looks beside its program (../share/kestrin-editor).
[ -f "$root/bin/../share/kestrin-editor/Kestrin_Editor_Help.chm" ] || fail "the help file is not at ../share/kestrin-editor beside the program"

# Desktop integration: valid, and one id throughout.
desktop="$root/share/applications/$id.desktop"
metainfo="$root/share/metainfo/$id.metainfo.xml"
if [ -f "$desktop" ]; then
    out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $out"
    [ -z "$out" ] || fail "desktop-file-validate: $out"
    grep -qx "Icon=$id" "$desktop" || fail "the desktop file's Icon is not $id"
    grep -qx "Exec=kestrin-editor %f" "$desktop" || fail "the desktop file does not start kestrin-editor with the file"
fi
if [ -f "$metainfo" ]; then
    out=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli validate: $out"
    grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo's id is not $id"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
        || fail "the metainfo does not launch $id.desktop"
fi

# The article file's type, in one database with the system's own types as
# the package installs it: the worked example (with and without a byte-order
# mark, naming its schema or not) is an article; other JSON files, a JSON
# Schema among them, are not.
mime="$root/share/mime/packages/$id.xml"
if [ -f "$mime" ]; then
    grep -qx "MimeType=application/x-kestrin-article+json;" "$desktop" \
        || fail "the desktop file does not open the article file's type (only)"
    db="$stage/mimedb"
    mkdir -p "$db/mime/packages" "$stage/files"
    cp /usr/share/mime/packages/freedesktop.org.xml "$mime" "$db/mime/packages/"
    update-mime-database "$db/mime" || fail "update-mime-database rejects $id.xml"
    cp "$source/examples/harbour-raid.json" "$stage/files/article.json"
    { printf '\357\273\277{\n    "$schema": "article.schema.json",\n'; tail -n +2 "$source/examples/harbour-raid.json"; } \
        >"$stage/files/bom-schema.json"
    printf '{"name": "Harbour Raid", "version": 1}\n' >"$stage/files/plain.json"
    printf '{"$schema": "https://json-schema.org/draft/2020-12/schema", "type": "object"}\n' >"$stage/files/schema.json"
    while read -r name want; do
        got=$(XDG_DATA_DIRS="$db" XDG_DATA_HOME="$stage/none" gio info -a standard::content-type \
            "$stage/files/$name" | sed -n 's/^ *standard::content-type: //p')
        [ "$got" = "$want" ] || fail "$name is taken for ${got:-nothing}, not $want"
    done <<EOF
article.json application/x-kestrin-article+json
bom-schema.json application/x-kestrin-article+json
plain.json application/json
schema.json application/schema+json
EOF
fi

# One version throughout: both programs' --version, the manual pages and
# the metainfo's newest release, with nothing left unfilled in the
# templates.
if [ -x "$root/bin/kestrin-readme" ] && [ -f "$metainfo" ]; then
    version=$("$root/bin/kestrin-readme" --version | sed -n 's/^kestrin-readme \([0-9][0-9.]*\)$/\1/p')
    release=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d '"' -f 2)
    [ -n "$version" ] || fail "kestrin-readme --version shows no version"
    [ "$release" = "$version" ] || fail "the metainfo's newest release $release is not version $version"
    # Answered without a display.
    editor=$(env -u DISPLAY -u WAYLAND_DISPLAY "$root/bin/kestrin-editor" --version 2>&1) \
        || fail "kestrin-editor --version failed: $editor"
    [ "$editor" = "Kestrin Editor $version" ] || fail "kestrin-editor --version says \"$editor\", not version $version"
    editor=$(env -u DISPLAY -u WAYLAND_DISPLAY "$root/bin/kestrin-editor" --help 2>&1) \
        || fail "kestrin-editor --help failed: $editor"
    for listed in --help --version file; do
        grep -q -- "$listed" <<<"$editor" || fail "kestrin-editor --help does not list $listed"
    done
    zcat "$root/share/doc/kestrin-editor/changelog.gz" | head -n 1 | grep -qF "kestrin-editor ($release)" \
        || fail "the change log's newest entry is not version $release"
    for page in kestrin-editor kestrin-readme; do
        zcat "$root/share/man/man1/$page.1.gz" | grep -m 1 '^\.TH' | grep -qF "\"Kestrin Editor $version\"" \
            || fail "$page.1.gz does not name version $version"
    done
    grep -rlI '@[A-Z_]*@' "$root/share" && fail "template placeholders left in the installed files"
fi
grep -q '^License: MIT$' "$root/share/doc/kestrin-editor/copyright" || fail "the copyright file does not give the MIT licence"
grep -q '<project_license>MIT</project_license>' "$metainfo" || fail "the metainfo does not give the MIT licence"

# The installed command-line program makes the worked example's ReadMe.
if [ -x "$root/bin/kestrin-readme" ]; then
    readme="$stage/ReadMe.txt"
    if "$root/bin/kestrin-readme" --encoding windows-1252 -o "$readme" \
        "$root/share/doc/kestrin-editor/examples/harbour-raid.json"; then
        cmp -s "$readme" "$source/packaging/harbour-raid-readme.txt" \
            || fail "the installed kestrin-readme's ReadMe of the example differs from packaging/harbour-raid-readme.txt"
    else
        fail "the installed kestrin-readme failed on the example"
    fi
fi

if [ $failures -ne 0 ]; then
    echo "$failures problem(s) in the installed tree" >&2
    exit 1
fi
echo "installed tree OK: ${#expected[@]} files"
