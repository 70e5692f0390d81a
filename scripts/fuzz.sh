#!/usr/bin/env bash
# Runs one fuzz target under libFuzzer for a while, for developers:
#   scripts/fuzz.sh NAME SECONDS       (NAME: a fuzz/<NAME>.cpp, e.g. regex)
# Builds it with clang in build/fuzz, grows build/fuzz/corpus/NAME from the
# seeds in fuzz/corpus/NAME, and keeps any input that breaks an invariant
# or crashes in build/fuzz/findings/NAME/. Copy an input worth keeping into
# fuzz/corpus/NAME so that the test build replays it.
set -euo pipefail
cd "$(dirname "$0")/.."
name=${1:?usage: scripts/fuzz.sh NAME SECONDS}
seconds=${2:?usage: scripts/fuzz.sh NAME SECONDS}
build=build/fuzz

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" -DVELK_SANITIZE=ON -DVELK_FUZZ=ON \
    -DVELK_BUILD_TESTS=OFF -DVELK_BUILD_BENCH=OFF >/dev/null
fi
cmake --build "$build" --target "${name}_fuzzer" -j4
mkdir -p "$build/corpus/$name" "$build/findings/$name"
# The key-file target writes files; a RAM disk keeps that fast.
if [ -d /dev/shm ]; then export TMPDIR=/dev/shm; fi
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
exec "$build/fuzz/${name}_fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix="$build/findings/$name/" "$build/corpus/$name" "fuzz/corpus/$name"
