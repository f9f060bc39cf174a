#!/usr/bin/env bash
# Installs what is missing, builds the release and the sanitizer builds and
# runs every test through ctest (GUI tests headless), then the loader fuzzers.
set -euo pipefail
cd "$(dirname "$0")"

tools/install-deps.sh

jobs=$(nproc)

for preset in release asan; do
    echo "== $preset build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
done

status=0
for preset in release asan; do
    echo "== $preset tests"
    ctest --preset "$preset" -j "$jobs" || status=1
done

if [ -f tests/fuzz/CMakeLists.txt ]; then
    echo "== fuzz build"
    cmake --preset fuzz >/dev/null
    cmake --build --preset fuzz -j "$jobs"
    tools/run-fuzzers.sh build/fuzz "${BRINOX_FUZZ_SECONDS:-20}" || status=1
fi

exit $status
