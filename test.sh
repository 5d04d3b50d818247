#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite, then fuzzes the
# file readers and the command-line verbs for a short while.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMAR_WERROR=ON
cmake --build build
ctest --test-dir build --output-on-failure -j "$(nproc)"

# Fuzzing: a separate clang build of the core and the command-line verbs with
# sanitizers, each target for a short while from its seeds; any crash, sanitizer report
# or broken invariant fails the script. (scripts/fuzz-soak SECONDS fuzzes for longer.)
VELMAR_FUZZ_FRESH=1 scripts/fuzz-soak "${VELMAR_FUZZ_SECONDS:-15}"
