#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package of a build folder, installs it on this machine,
# tries the installed programs, and removes the package again.
#
#   1. cpack -G DEB (dependencies computed by dpkg-shlibdeps), then lintian
#      (errors fail);
#   2. apt-get install ./kestrin-editor_<version>_<arch>.deb;
#   3. the installed kestrin-readme makes the worked example's ReadMe, byte
#      for byte packaging/harbour-raid-readme.txt;
#   4. the installed kestrin-editor, started from the desktop file's Exec line
#      in an empty folder on a virtual display with a window manager, shows
#      its window "Kestrin Editor"; F1 opens the help window; both are
#      closed (Alt+F4) and the program ends with 0;
#   5. apt-get remove, also when a step failed.
#
# Needs root (or sudo) for apt-get. Usage: package-test.sh BUILD_DIR OUT_DIR
# The package and screenshots of the windows stay in OUT_DIR.
set -euo pipefail

build=$(realpath "${1:?usage: package-test.sh BUILD_DIR OUT_DIR}")
out=${2:?usage: package-test.sh BUILD_DIR OUT_DIR}
here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(dirname "$here")
package=kestrin-editor
id=io.github.vantry.KestrinEditor

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive

mkdir -p "$out"
out=$(realpath "$out")
rm -f "$out"/"$package"_*.deb

echo "== Building the package"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || {
    cat "$out/cpack.log" >&2
    exit 1
}
deb=$(ls "$out"/"$package"_*.deb)
echo "$(basename "$deb"): $(du -k "$deb" | cut -f1) KiB, installed size $(dpkg-deb -f "$deb" Installed-Size) KiB"
echo "Depends: $(dpkg-deb -f "$deb" Depends)"
echo "Recommends: $(dpkg-deb -f "$deb" Recommends)"

depends=$(dpkg-deb -f "$deb" Depends)
depends_on() {
    tr ',|' '\n\n' <<<"$depends" | awk '{ print $1 }' | grep -qxF "$1"
}
depends_on qt6-qpa-plugins || { echo "FAIL: the package does not depend on qt6-qpa-plugins" >&2; exit 1; }
contents=$(dpkg-deb -c "$deb")
for f in ./usr/bin/kestrin-editor ./usr/bin/kestrin-readme ./usr/share/kestrin-editor/Kestrin_Editor_Help.chm ./usr/share/kestrin-editor/Kestrin_Editor_Help_de.chm \
    ./usr/share/applications/$id.desktop ./usr/share/metainfo/$id.metainfo.xml ./usr/share/mime/packages/$id.xml \
    ./usr/share/icons/hicolor/scalable/apps/$id.svg ./usr/share/doc/$package/copyright; do
    grep -q " $f\$" <<<"$contents" || { echo "FAIL: the package lacks $f" >&2; exit 1; }
done

echo "== lintian"
# Errors fail the test; warnings and remarks are shown. lintian warns when
# run as root, so as root it runs as nobody on a copy it can read.
lintian_deb=$deb
lintian_run=(lintian)
if [ "$(id -u)" -eq 0 ]; then
    lintian_dir=$(mktemp -d)
    chmod 755 "$lintian_dir"
    cp "$deb" "$lintian_dir/"
    chmod 644 "$lintian_dir/$(basename "$deb")"
    lintian_deb=$lintian_dir/$(basename "$deb")
    lintian_run=(setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME=/tmp TMPDIR=/tmp lintian)
fi
lintian_status=0
"${lintian_run[@]}" --fail-on error --display-info "$lintian_deb" >"$out/lintian.log" 2>&1 || lintian_status=$?
[ -z "${lintian_dir:-}" ] || rm -rf "$lintian_dir"
if [ $lintian_status -ne 0 ]; then
    cat "$out/lintian.log" >&2
    echo "FAIL: lintian finds errors in $(basename "$deb")" >&2
    exit 1
fi
if [ -s "$out/lintian.log" ]; then
    cat "$out/lintian.log"
else
    echo "lintian: no remarks"
fi

if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    echo "== Removing the $package package installed before"
    "${sudo[@]}" apt-get remove -y -qq "$package" >/dev/null
fi

remove_package() {
    echo "== Removing the package"
    "${sudo[@]}" apt-get remove -y -qq "$package" >/dev/null 2>&1 || true
}

echo "== Installing it"
# A local file is read by apt's own user, which must be able to reach it.
chmod a+r "$deb"
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "$deb" >"$out/apt-install.log" 2>&1 || {
    cat "$out/apt-install.log" >&2
    echo "FAIL: apt-get install $deb" >&2
    exit 1
}
trap remove_package EXIT

work=$(mktemp -d)
trap 'remove_package; rm -rf "$work"' EXIT

echo "== The installed programs' libraries"
# Every library a program links against directly comes from a package that
# the package depends on.
for program in /usr/bin/kestrin-editor /usr/bin/kestrin-readme; do
    for lib in $(objdump -p "$program" | awk '$1 == "NEEDED" { print $2 }'); do
        path=$(ldd "$program" | awk -v lib="$lib" '
            $1 == lib && $2 == "=>" { print $3; exit }
            { n = split($1, part, "/"); if (n > 1 && part[n] == lib) { print $1; exit } }')
        [ -n "$path" ] || { echo "FAIL: $program needs $lib, which is not found" >&2; exit 1; }
        owner=$(dpkg -S "$(realpath "$path")" 2>/dev/null | head -n 1 | cut -d: -f1) \
            || owner=$(dpkg -S "$path" | head -n 1 | cut -d: -f1)
        depends_on "$owner" || { echo "FAIL: $program needs $lib of $owner, which the package does not depend on" >&2; exit 1; }
    done
done
echo "every library of the programs comes from a package in Depends"

echo "== The installed kestrin-readme"
bin=/usr/bin
[ -x "$bin/kestrin-readme" ] || { echo "FAIL: $bin/kestrin-readme is not installed" >&2; exit 1; }
"$bin/kestrin-readme" --encoding windows-1252 "$source_dir/examples/harbour-raid.json" >"$work/ReadMe.txt"
cmp "$work/ReadMe.txt" "$here/harbour-raid-readme.txt" || {
    echo "FAIL: the installed kestrin-readme's ReadMe of examples/harbour-raid.json differs from the expected one" >&2
    exit 1
}
echo "ReadMe of examples/harbour-raid.json: $(wc -l <"$work/ReadMe.txt") lines, as expected"

echo "== The installed kestrin-editor on a virtual display"
# A launcher given no file drops the field codes (%f) from the line.
exec_line=$(sed -n 's/^Exec=//p' "/usr/share/applications/$id.desktop" | sed 's/ %[fFuU]//g')
# Started in an empty folder, as from a desktop menu; the window manager
# turns Alt+F4 into a close request to the window.
(cd "$work" && xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    set -u
    openbox >/dev/null 2>&1 &
    sleep 0.5
    $1 >editor.log 2>&1 & pid=$!
    if ! wid=$(timeout 30 xdotool search --sync --onlyvisible --name "^Kestrin Editor$" | head -n 1) || [ -z "$wid" ]; then
        echo "FAIL: no window \"Kestrin Editor\" within 30 s" >&2
        cat editor.log >&2
        kill "$pid" 2>/dev/null
        exit 1
    fi
    sleep 1
    import -window root "$2/installed-editor.png" 2>/dev/null || true
    # F1 opens the help window on the installed help file.
    xdotool windowactivate --sync "$wid" key --clearmodifiers F1
    if ! help=$(timeout 20 xdotool search --sync --onlyvisible --name "^Kestrin Editor Help$" | head -n 1) || [ -z "$help" ]; then
        echo "FAIL: F1 opened no window \"Kestrin Editor Help\" within 20 s" >&2
        kill "$pid" 2>/dev/null
        exit 1
    fi
    sleep 1
    import -window root "$2/installed-help.png" 2>/dev/null || true
    # The help file it shows is the installed one (the viewer keeps it open).
    if ! ls -l "/proc/$pid/fd" 2>/dev/null | grep -q " /usr/share/kestrin-editor/Kestrin_Editor_Help.chm\$"; then
        echo "FAIL: the help window does not show /usr/share/kestrin-editor/Kestrin_Editor_Help.chm" >&2
        kill "$pid" 2>/dev/null
        exit 1
    fi
    xdotool windowactivate --sync "$help" key --clearmodifiers alt+F4
    sleep 0.5
    xdotool windowactivate --sync "$wid" key --clearmodifiers alt+F4
    for _ in $(seq 1 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        echo "FAIL: the editor did not end when its window was closed" >&2
        kill "$pid"
        exit 1
    fi
    wait "$pid"; status=$?
    [ "$status" -eq 0 ] || { echo "FAIL: the editor ended with status $status" >&2; cat editor.log >&2; exit 1; }
    echo "window $wid and its help window $help shown and closed; the editor ended with status 0"
' _ "$exec_line" "$out")
echo "screenshots of the installed editor: $out/installed-editor.png, $out/installed-help.png"

remove_package
trap 'rm -rf "$work"' EXIT
if [ -e /usr/bin/kestrin-editor ] || [ -e "/usr/share/applications/$id.desktop" ]; then
    echo "FAIL: files are left after removing the package" >&2
    exit 1
fi
echo "package OK: built, installed, tried and removed"
