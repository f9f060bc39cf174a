#!/usr/bin/env bash
# Runs every data-file fuzzer of a fuzz build for a given number of seconds,
# each on a scratch copy of its seed corpus, and fails on any crash, leak,
# hang or over-large allocation.
#   tools/run-fuzzers.sh <build-dir> <seconds>
set -uo pipefail

if [ $# -ne 2 ]; then
    echo "usage: $0 <build-dir> <seconds>" >&2
    exit 2
fi
build_dir=$1
seconds=$2
source_dir="$(cd "$(dirname "$0")/.." && pwd)"
corpus_root="$source_dir/tests/fuzz/corpus"

shopt -s nullglob
targets=("$build_dir"/tests/fuzz/fuzz_*)
if [ ${#targets[@]} -eq 0 ]; then
    echo "no fuzz targets in $build_dir/tests/fuzz" >&2
    exit 2
fi

scratch=$(mktemp -d /tmp/brinox-fuzz-run-XXXXXX)
trap 'rm -rf "$scratch"' EXIT

status=0
for binary in "${targets[@]}"; do
    [ -x "$binary" ] || continue
    name=$(basename "$binary")
    corpus="$scratch/$name/corpus"
    mkdir -p "$corpus" "$scratch/$name/artifacts"
    if [ -d "$corpus_root/${name#fuzz_}" ]; then
        cp "$corpus_root/${name#fuzz_}"/* "$corpus"/ 2>/dev/null
    fi
    log="$scratch/$name/log"
    ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=0" \
    UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
        "$binary" -max_total_time="$seconds" -rss_limit_mb=2048 -malloc_limit_mb=64 \
        -timeout=10 -print_final_stats=1 -artifact_prefix="$scratch/$name/artifacts/" \
        "$corpus" >"$log" 2>&1
    rc=$?
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -1)
    if [ $rc -ne 0 ]; then
        status=1
        echo "$name: FAILED (exit $rc) after ${runs:-?} executions"
        grep -E 'ERROR|SUMMARY|range broken|out-of-memory|malloc\(|timeout' "$log" | head -20
        for artifact in "$scratch/$name/artifacts"/*; do
            keep="$build_dir/$(basename "$artifact")-$name"
            cp "$artifact" "$keep" && echo "  reproducer kept as $keep"
        done
    else
        echo "$name: ${runs:-0} executions, no failure"
    fi
done
exit $status
