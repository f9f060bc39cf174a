#!/usr/bin/env bash
# The size of the tests against the rest of the code. The project's measure
# (the one its limit of one third applies to): every line of the C++ files
# under tests/ against every line of the C++ files elsewhere. For reference it
# also prints the lines of all code kinds (C++, Python, shell and CMake, blank
# lines and whole-line comments left out) as a share of all code.
set -euo pipefail
cd "$(dirname "$0")/.."
cxx() { git ls-files | grep -E '\.(cpp|h)$' | grep "$1" '^tests/' | xargs -r cat | wc -l; }
tests=$(cxx -e)
other=$(cxx -v)
awk -v t="$tests" -v o="$other" \
    'BEGIN { printf "C++: %d test lines against %d other lines = %.1f %% (limit 33.3 %%)\n", t, o, 100 * t / o }'
code='\.(cpp|h|py|sh|cmake)$|CMakeLists\.txt$|^(\.ci/run|run\.sh|test\.sh)$'
count() {
    xargs -r cat | grep -Ev '^\s*($|//|#(\s|$)|\*|/\*)' | wc -l
}
tests=$(git ls-files | grep -E "$code" | grep '^tests/' | count)
other=$(git ls-files | grep -E "$code" | grep -v '^tests/' | count)
awk -v t="$tests" -v o="$other" \
    'BEGIN { printf "all kinds, code lines only: tests are %.1f %% of all code (%d of %d)\n", 100 * t / (t + o), t, t + o }'
