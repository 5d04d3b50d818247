#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite, then fuzzes the
# file readers for a short while.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
ctest --test-dir build --output-on-failure -j "$(nproc)"

# Fuzzing: a separate clang build of the core with sanitizers; any crash, sanitizer
# report or broken invariant fails the script.
fuzz_seconds=${VELMAR_FUZZ_SECONDS:-15}
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMAR_FUZZ=ON \
  -DCMAKE_CXX_COMPILER=clang++
cmake --build build-fuzz
corpus=build-fuzz/corpus
rm -rf "$corpus"
mkdir -p "$corpus"/scheme "$corpus"/labels "$corpus"/block
cp data/Schemes/*.shm "$corpus"/scheme/
printf '\0\0*' > "$corpus"/scheme/empty
printf '\4\7\26\0\201\0\0\0\0\0\201\0\0\0\0\0\0\0\0\0\0\0abc\3*' > "$corpus"/scheme/one-block
cp data/Schemes/*.sdf "$corpus"/labels/
printf 'one\r\ntwo\r\n' > "$corpus"/labels/short
cp data/Schemes/*.shm "$corpus"/block/
printf '\1\1\1\26\1\2\0\1\3\0\2\1\5\2\2\0\2\3\1\0' > "$corpus"/block/two-columns
for reader in scheme labels block; do
  echo "fuzzing the $reader reader for ${fuzz_seconds} s"
  mkdir -p build-fuzz/found/"$reader"
  build-fuzz/tests/fuzz/fuzz-"$reader" -max_total_time="$fuzz_seconds" -max_len=4096 -timeout=10 \
    -print_final_stats=1 -artifact_prefix=build-fuzz/found/"$reader"/ \
    "$corpus"/"$reader" 2>&1 | tail -n 12
done
echo "fuzzing found no fault"
