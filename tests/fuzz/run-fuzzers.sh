#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs every fuzz target of a fuzz-preset build for a bounded time, the
# targets side by side, and fails when any of them finds a crash, a leak, a
# sanitizer report, a time-out or an out-of-memory input.
#
# Usage: run-fuzzers.sh BUILD_DIR [SECONDS]     (SECONDS per target, default 60)
#
# Each target starts from its seed corpus tests/fuzz/corpus/<target>/ and
# keeps what it adds in BUILD_DIR/fuzz-corpus/<target>/, so that runs in
# the same build folder go on where the last one stopped. An input that
# fails is saved as BUILD_DIR/fuzz-artifacts/<target>-crash-... (or leak-,
# timeout-, oom-); run the target on that file to see the report again.
set -euo pipefail

build=$(realpath "${1:?usage: run-fuzzers.sh BUILD_DIR [SECONDS]}")
seconds=${2:-60}
here=$(cd "$(dirname "$0")" && pwd)
targets=(readme_layout article pbo rap textconfig)

artifacts="$build/fuzz-artifacts"
mkdir -p "$artifacts"

pids=()
for target in "${targets[@]}"; do
    exe="$build/tests/fuzz/fuzz_$target"
    [ -x "$exe" ] || { echo "FAIL: $exe is not built (cmake --build --preset fuzz)" >&2; exit 1; }
    corpus="$build/fuzz-corpus/$target"
    mkdir -p "$corpus"
    options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
        -artifact_prefix="$artifacts/$target-")
    [ -f "$here/$target.dict" ] && options+=(-dict="$here/$target.dict")
    "$exe" "${options[@]}" "$corpus" "$here/corpus/$target" >"$build/fuzz-$target.log" 2>&1 &
    pids+=($!)
done

failed=0
for i in "${!targets[@]}"; do
    target=${targets[$i]}
    log="$build/fuzz-$target.log"
    status=0
    wait "${pids[$i]}" || status=$?
    fuzz_stat() { sed -n "s/^stat::$1: *//p" "$log"; }
    if [ $status -ne 0 ] || grep -Eq 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:|invariant broken' "$log"; then
        failed=1
        echo "FAIL: fuzz_$target ended with status $status; its report (log: $log):" >&2
        grep -E -A30 'ERROR: |runtime error:|invariant broken|==[0-9]+==' "$log" | head -n 60 >&2 || tail -n 40 "$log" >&2
        ls "$artifacts"/"$target"-* 2>/dev/null | sed 's/^/  failing input: /' >&2 || true
        continue
    fi
    coverage=$(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -n 1 | grep -oE 'cov: [0-9]+ ft: [0-9]+ corp: [0-9]+/[0-9]+[a-zA-Z]*' || true)
    echo "fuzz_$target: $(fuzz_stat number_of_executed_units) executions in ${seconds} s ($(fuzz_stat average_exec_per_sec)/s)," \
        "$(fuzz_stat new_units_added) new inputs, ${coverage:-no coverage line}, peak RSS $(fuzz_stat peak_rss_mb) MB; no findings"
done
exit $failed
