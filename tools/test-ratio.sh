#!/usr/bin/env bash
# Lines of test code (C++, Python, shell and CMake; blank lines and whole-line
# comments left out) as a share of all code, and against the rest of it. The
# project keeps tests at most one third of all code.
set -euo pipefail
cd "$(dirname "$0")/.."
code='\.(cpp|h|py|sh|cmake)$|CMakeLists\.txt$|^(\.ci/run|run\.sh|test\.sh)$'
count() {
    xargs -r cat | grep -Ev '^\s*($|//|#(\s|$)|\*|/\*)' | wc -l
}
tests=$(git ls-files | grep -E "$code" | grep '^tests/' | count)
other=$(git ls-files | grep -E "$code" | grep -v '^tests/' | count)
awk -v t="$tests" -v o="$other" \
    'BEGIN { printf "test lines %d, other lines %d: tests are %.1f %% of all code (%.3f of the rest)\n", t, o, 100 * t / (t + o), t / o }'
