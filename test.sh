#!/usr/bin/env bash
# Installs what Velk needs, builds every test with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs them headless: ./test.sh
# The benchmarks are compiled in the same build, so one that no longer
# builds fails the run; they are not run.
# VELK_WERROR=ON makes every warning in the project's own code an error.
# Unoptimised, with line tables only: building is most of the run, and a
# sanitizer report still names each file and line.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O0 -g1" \
  -DVELK_SANITIZE=ON -DVELK_BUILD_BENCH=ON -DVELK_WERROR="${VELK_WERROR:-OFF}" >/dev/null
cmake --build build/asan
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build/asan --output-on-failure -j"$(nproc)"
