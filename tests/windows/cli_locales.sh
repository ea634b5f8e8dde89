#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# kestrin-readme.exe under Wine as users of four languages meet it: Wine
# takes the ANSI code page from the locale, as Windows from its system
# locale. For each locale the code page the program names, and the bytes
# of a ReadMe in that language against the Linux build's for the same
# locale; for Japanese (932, which the Linux build does not have) that a
# Japanese name comes back unchanged and that a character outside the code
# page is reported with nothing written. And the worked example: the same
# 52 lines as the Linux build.
#
# usage: cli_locales.sh kestrin-readme.exe linux/kestrin-readme source-dir
set -euo pipefail
exe=$1 linux=$2 src=$3
wine=${KESTRIN_WINE:-/usr/lib/wine/wine64}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

win() { LANG=$1 LC_ALL=$1 "$wine" "$exe" "${@:2}"; }
lin() { LANG=$1 LC_ALL=$1 "$linux" "${@:2}"; }

# The worked example, byte for byte.
win en_US.UTF-8 "$src/examples/harbour-raid.json" >"$work/win.txt" || fail "worked example: exit status $?"
lin C.UTF-8 "$src/examples/harbour-raid.json" >"$work/lin.txt"
cmp -s "$work/win.txt" "$work/lin.txt" || fail "worked example: the bytes differ from the Linux build's"
[ "$(grep -c $'\r$' "$work/win.txt")" -eq 52 ] || fail "worked example: not 52 lines ending in CR LF"

# locale, code page, a name in the language
rows=(
    "ru_RU.UTF-8|1251|Съешь же ещё этих мягких булок"
    "cs_CZ.UTF-8|1250|Příliš žluťoučký kůň úpěl ďábelské ódy"
    "de_DE.UTF-8|1252|Größe – „Straße“ €"
    "ja_JP.UTF-8|932|港の襲撃 ﾃｽﾄ"
)
for row in "${rows[@]}"; do
    IFS='|' read -r locale cp name <<<"$row"
    win "$locale" --help >"$work/help.txt" 2>&1 || fail "$locale: --help failed"
    grep -q "windows-$cp);" "$work/help.txt" || fail "$locale: the code page named is not windows-$cp"
    printf '{"name": "%s", "credits": "%s"}\n' "$name" "$name" >"$work/article.json"
    win "$locale" "$work/article.json" >"$work/win.txt" 2>"$work/err.txt" || fail "$locale: exit status $?: $(cat "$work/err.txt")"
    if [ "$cp" = 932 ]; then
        iconv -f CP932 -t UTF-8 "$work/win.txt" | grep -qF "$name" || fail "$locale: the name did not come back from 932"
        printf '{"name": "%s Łódź"}\n' "$name" >"$work/outside.json"
        status=0
        win "$locale" "$work/outside.json" >"$work/win.txt" 2>"$work/err.txt" || status=$?
        [ "$status" -eq 1 ] || fail "$locale: a character outside 932 gave exit status $status"
        grep -q "U+0141" "$work/err.txt" || fail "$locale: U+0141 is not named: $(cat "$work/err.txt")"
        [ ! -s "$work/win.txt" ] || fail "$locale: something was written despite the refusal"
    else
        lin "$locale" --encoding "windows-$cp" "$work/article.json" >"$work/lin.txt"
        cmp -s "$work/win.txt" "$work/lin.txt" || fail "$locale: the bytes differ from the Linux build's windows-$cp"
    fi
done

[ "$failures" -eq 0 ] || exit 1
echo "kestrin-readme.exe: the worked example and four locales as on Linux"
