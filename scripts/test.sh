#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds everything and runs every test suite. Installs what is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
kestrin_install_missing

cmake --preset default
cmake --build --preset default
ctest --preset default -j2

# Release checks, each timed. The default suite above already checked the
# installed tree (CTest test install.tree: cmake --install into a temporary
# DESTDIR) and validated the desktop and metainfo files.
#
#   KESTRIN_QUICK=1         stop after the default suite
#   KESTRIN_WINDOWS=0       without the Windows build and its tests
#   KESTRIN_FUZZ_SECONDS=N  fuzz each target N seconds (default 30)
[ "${KESTRIN_QUICK:-0}" = 1 ] && exit 0

step_names=("install, default build and ctest")
step_seconds=("$SECONDS")
step() {
    local name=$1
    shift
    echo "=== $name"
    local start=$SECONDS
    "$@"
    step_names+=("$name")
    step_seconds+=($((SECONDS - start)))
}

# Code style: enforced once the whole tree has been formatted (the marker
# file says so).
if [ -f .format-enforced ]; then
    step "code style (scripts/format.sh --check)" scripts/format.sh --check
fi

# The licence line at the top of every source file.
step "licence lines (scripts/spdx.sh --check)" scripts/spdx.sh --check

# The Debian package: built from the default build, installed, tried, removed.
step "Debian package (packaging/package-test.sh)" packaging/package-test.sh build/default build/package

# The Windows build: both programs cross-built with MinGW-w64 against a
# static Qt (built once into ~/.cache/kestrin-windows, reused afterwards),
# the suites run under Wine, the window driven under Wine, the installer
# and the zip made, installed and removed silently. KESTRIN_WINDOWS=0
# leaves it out.
if [ "${KESTRIN_WINDOWS:-1}" = 1 ]; then
    step "Windows build, tests under Wine, installer (scripts/windows.sh)" scripts/windows.sh
fi

# libFuzzer targets, about a minute each, side by side.
fuzz() {
    cmake --preset fuzz
    cmake --build --preset fuzz
    tests/fuzz/run-fuzzers.sh build/fuzz "${KESTRIN_FUZZ_SECONDS:-30}"
}
step "fuzzing (fuzz preset)" fuzz

# The whole suite again under AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer: any report fails its test. It runs last, so
# that the output ends with CTest's summary.
asan_build() {
    cmake --preset asan
    cmake --build --preset asan
}
step "sanitizers (asan preset: build)" asan_build

echo "=== Steps so far"
for i in "${!step_names[@]}"; do
    printf '%5d s  %s\n' "${step_seconds[$i]}" "${step_names[$i]}"
done
printf '%5d s  in all, before the suite under the sanitizers\n' "$SECONDS"
echo "=== sanitizers (asan preset: ctest)"
exec ctest --preset asan
