#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds what the Windows programs link against, once, into a cache folder:
# Qt (static, cross-compiled from Debian's source package), chmlib and
# GoogleTest. Each lands in a folder named after its version and a hash of
# its build options and the toolchain, with a stamp file written last, so
# a later run reuses a complete build and rebuilds after any change.
#
#   scripts/windows-deps.sh [rapidjson|chmlib|gtest|qt]...   (default: all)
#
# Prints the install prefixes as shell assignments on its last lines
# (KESTRIN_QT_PREFIX=..., and the same for chmlib, GoogleTest, RapidJSON).
#
#   KESTRIN_WINDOWS_CACHE  the cache folder (default ~/.cache/kestrin-windows)
#   KESTRIN_JOBS           parallel build jobs (default 2)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cache=${KESTRIN_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kestrin-windows}
jobs=${KESTRIN_JOBS:-2}
toolchain=$here/cmake/toolchains/mingw-w64-x86_64.cmake
mkdir -p "$cache/src" "$cache/build"

log() { echo "windows-deps: $*" >&2; }

# The Debian source packages, through apt: a deb-src entry for the archive
# the machine already uses, then `apt-get source`.
qt_version=6.4.2
qt_debian_version=6.4.2+dfsg-10
chmlib_debian_version=0.40a-8

ensure_deb_src() {
    if apt-get indextargets --format '$(CREATED_BY)' 2>/dev/null | grep -qx Sources; then
        return 0
    fi
    log "adding a deb-src entry for Debian's archive"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" tee /etc/apt/sources.list.d/kestrin-deb-src.sources >/dev/null <<'SOURCES'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
    "${sudo[@]}" apt-get update -qq
}

# fetch_source PACKAGE VERSION DIR: unpacks the source package (with
# Debian's patches applied) into $cache/src/DIR unless it is there.
fetch_source() {
    local package=$1 version=$2 dir=$3
    [ -f "$cache/src/$dir/.unpacked" ] && return 0
    ensure_deb_src
    log "fetching the source of $package $version"
    rm -rf "${cache:?}/src/$dir"
    (cd "$cache/src" && apt-get -qq source --download-only "$package=$version" 2>&1 | grep -v unsandboxed || true)
    local dsc
    dsc=$(ls "$cache/src/${package}_${version#*:}.dsc")
    (cd "$cache/src" && dpkg-source -x "$dsc" "$dir" >/dev/null)
    touch "$cache/src/$dir/.unpacked"
}

options_hash() { printf '%s\n' "$@" | cat - "$toolchain" | sha256sum | cut -c1-12; }

# --- Qt ----------------------------------------------------------------
# Core, Gui, Widgets, Test, the Windows platform plugin and the styles; the
# modules the programs do not use are left out to save build time.
qt_options=(
    -release -static -static-runtime -xplatform win32-g++ -qt-host-path /usr
    -nomake tests -nomake examples
    -no-opengl -no-dbus -no-icu -no-zstd
    -qt-zlib -qt-pcre -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz
    -no-feature-sql -no-feature-network -no-feature-printsupport
    -no-feature-xml -no-feature-concurrent
    -no-feature-tabletevent
    -no-feature-androiddeployqt -no-feature-windeployqt -no-feature-macdeployqt
)
# Debian keeps the build machine's Qt packages under its multiarch folder.
qt_host_cmake_dir=/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake
qt_cmake_args=(-G Ninja -DQT_HOST_PATH_CMAKE_DIR="$qt_host_cmake_dir")
qt_prefix=$cache/qt-$qt_version-$(options_hash "${qt_options[@]}" "${qt_cmake_args[@]}")

build_qt() {
    [ -f "$qt_prefix/.complete" ] && { log "Qt: cached in $qt_prefix"; return 0; }
    fetch_source qt6-base "$qt_debian_version" "qt6-base-$qt_version"
    local build=$cache/build/$(basename "$qt_prefix")
    rm -rf "$build" "$qt_prefix"
    mkdir -p "$build" "$qt_prefix"
    # Qt's installed toolchain file refers to the one it was built with:
    # a copy beside the installation, so that it outlives this checkout.
    cp "$toolchain" "$qt_prefix/kestrin-toolchain.cmake"
    local start=$SECONDS
    log "Qt: configuring (${qt_options[*]})"
    (cd "$build" && "$cache/src/qt6-base-$qt_version/configure" -prefix "$qt_prefix" \
        "${qt_options[@]}" -- "${qt_cmake_args[@]}" -DCMAKE_TOOLCHAIN_FILE="$qt_prefix/kestrin-toolchain.cmake")
    log "Qt: building with $jobs jobs"
    cmake --build "$build" --parallel "$jobs"
    cmake --install "$build" >/dev/null
    rm -rf "$build"
    echo "$((SECONDS - start))" >"$qt_prefix/.build-seconds"
    touch "$qt_prefix/.complete"
    log "Qt: built in $((SECONDS - start)) s"
}

# --- chmlib ------------------------------------------------------------
# Patched so that chm_open takes a UTF-8 name and shares the file for reading.
chmlib_cflags=(-O2 -Dffs=__builtin_ffs)
chmlib_patch=$here/packaging/windows/chmlib-wide-names.patch
chmlib_prefix=$cache/chmlib-0.40a-$(options_hash "${chmlib_cflags[@]}" "$(cat "$chmlib_patch")")

build_chmlib() {
    [ -f "$chmlib_prefix/.complete" ] && { log "chmlib: cached in $chmlib_prefix"; return 0; }
    fetch_source chmlib "2:$chmlib_debian_version" chmlib-0.40a
    rm -rf "$chmlib_prefix"
    mkdir -p "$chmlib_prefix/lib" "$chmlib_prefix/include"
    local obj
    obj=$(mktemp -d)
    cp "$cache/src/chmlib-0.40a/src/"*.[ch] "$obj/"
    patch -s -d "$obj" -p2 <"$chmlib_patch"
    local src=$obj f
    for f in chm_lib lzx; do
        x86_64-w64-mingw32-gcc-posix "${chmlib_cflags[@]}" -c "$src/$f.c" -o "$obj/$f.o"
    done
    x86_64-w64-mingw32-gcc-ar-posix rcs "$chmlib_prefix/lib/libchm.a" "$obj"/*.o
    cp "$src/chm_lib.h" "$chmlib_prefix/include/"
    rm -rf "$obj"
    touch "$chmlib_prefix/.complete"
    log "chmlib: built into $chmlib_prefix"
}

# --- GoogleTest --------------------------------------------------------
gtest_options=(-DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=ON -Dgtest_disable_pthreads=OFF)
gtest_version=$(dpkg-query -W -f='${Version}' googletest 2>/dev/null || echo unknown)
gtest_prefix=$cache/googletest-${gtest_version%%-*}-$(options_hash "${gtest_options[@]}")

build_gtest() {
    [ -f "$gtest_prefix/.complete" ] && { log "GoogleTest: cached in $gtest_prefix"; return 0; }
    local build=$cache/build/$(basename "$gtest_prefix")
    rm -rf "$build" "$gtest_prefix"
    cmake -S /usr/src/googletest -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_INSTALL_PREFIX="$gtest_prefix" "${gtest_options[@]}" >/dev/null
    cmake --build "$build" --parallel "$jobs" >/dev/null
    cmake --install "$build" >/dev/null
    rm -rf "$build"
    touch "$gtest_prefix/.complete"
    log "GoogleTest: built into $gtest_prefix"
}

# --- RapidJSON ---------------------------------------------------------
# Header-only: Debian's headers copied apart from the build machine's
# /usr/include (which must not be on the cross compiler's path), with a
# package file for find_package.
rapidjson_version=$(dpkg-query -W -f='${Version}' rapidjson-dev 2>/dev/null || echo unknown)
rapidjson_prefix=$cache/rapidjson-${rapidjson_version%%-*}

build_rapidjson() {
    [ -f "$rapidjson_prefix/.complete" ] && return 0
    rm -rf "$rapidjson_prefix"
    mkdir -p "$rapidjson_prefix/include" "$rapidjson_prefix/lib/cmake/RapidJSON"
    cp -r /usr/include/rapidjson "$rapidjson_prefix/include/"
    cat >"$rapidjson_prefix/lib/cmake/RapidJSON/RapidJSONConfig.cmake" <<'CONFIG'
get_filename_component(RAPIDJSON_INCLUDE_DIRS "${CMAKE_CURRENT_LIST_DIR}/../../../include" ABSOLUTE)
set(RapidJSON_INCLUDE_DIRS "${RAPIDJSON_INCLUDE_DIRS}")
CONFIG
    cat >"$rapidjson_prefix/lib/cmake/RapidJSON/RapidJSONConfigVersion.cmake" <<CONFIG
set(PACKAGE_VERSION "${rapidjson_version%%-*}")
if(PACKAGE_FIND_VERSION VERSION_GREATER PACKAGE_VERSION)
    set(PACKAGE_VERSION_COMPATIBLE FALSE)
else()
    set(PACKAGE_VERSION_COMPATIBLE TRUE)
endif()
CONFIG
    touch "$rapidjson_prefix/.complete"
}

# One build of each part at a time, also across checkouts.
locked() {
    local part=$1
    shift
    (
        flock 9
        "$@"
    ) 9>"$cache/.$part.lock"
}

parts=("$@")
[ ${#parts[@]} -gt 0 ] || parts=(rapidjson chmlib gtest qt)
for part in "${parts[@]}"; do
    case $part in
    rapidjson) locked rapidjson build_rapidjson ;;
    chmlib) locked chmlib build_chmlib ;;
    gtest) locked gtest build_gtest ;;
    qt) locked qt build_qt ;;
    *) log "unknown part $part (rapidjson, chmlib, gtest, qt)" && exit 2 ;;
    esac
done
echo "KESTRIN_QT_PREFIX=$qt_prefix"
echo "KESTRIN_CHMLIB_PREFIX=$chmlib_prefix"
echo "KESTRIN_GTEST_PREFIX=$gtest_prefix"
echo "KESTRIN_RAPIDJSON_PREFIX=$rapidjson_prefix"
echo "KESTRIN_QT_HOST_CMAKE_DIR=$qt_host_cmake_dir"
