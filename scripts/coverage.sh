#!/usr/bin/env bash
# Builds the tests with gcc's --coverage (no sanitizers) in build/coverage,
# runs them headless and prints line and branch coverage of src/ per source
# folder, then the totals: scripts/coverage.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
if ! command -v gcovr >/dev/null; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends gcovr
fi

dir=build/coverage
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O0 -g" \
  -DCMAKE_CXX_FLAGS=--coverage -DCMAKE_EXE_LINKER_FLAGS=--coverage \
  -DVELK_SANITIZE=OFF -DVELK_BUILD_BENCH=OFF >/dev/null
cmake --build "$dir" -j"${VELK_JOBS:-$(nproc)}" >"$dir/build.log" || { tail -n 30 "$dir/build.log"; exit 1; }
# Counts from an earlier run would add to this one.
find "$dir" -name '*.gcda' -delete
QT_QPA_PLATFORM=offscreen ctest --test-dir "$dir" -j"${VELK_JOBS:-$(nproc)}" >"$dir/ctest.log" \
  || { tail -n 30 "$dir/ctest.log"; echo "Some tests failed; coverage is of the passing run." >&2; }

# Branches the compiler adds for exception cleanup are no decisions of ours.
gcovr --root . --filter 'src/' --object-directory "$dir" -j"${VELK_JOBS:-$(nproc)}" \
  --exclude-directories "$dir/CMakeFiles" --exclude-unreachable-branches --exclude-throw-branches \
  --json-summary "$dir/summary.json" "$dir" >/dev/null
python3 - "$dir/summary.json" <<'PY'
import json, os, sys
from collections import defaultdict
files = json.load(open(sys.argv[1]))["files"]
sums = defaultdict(lambda: [0, 0, 0, 0])
for f in files:
    folder = os.path.dirname(f["filename"])
    s = sums[folder]
    s[0] += f["line_covered"]; s[1] += f["line_total"]
    s[2] += f["branch_covered"]; s[3] += f["branch_total"]
def pct(a, b):
    return f"{100.0 * a / b:6.2f}%" if b else "   n/a "
print(f"{'folder':32} {'lines':>18} {'branches':>18}")
total = [0, 0, 0, 0]
for folder in sorted(sums):
    s = sums[folder]
    total = [t + v for t, v in zip(total, s)]
    print(f"{folder:32} {pct(s[0], s[1])} {s[0]:5}/{s[1]:<5} {pct(s[2], s[3])} {s[2]:5}/{s[3]:<5}")
print(f"{'TOTAL':32} {pct(total[0], total[1])} {total[0]:5}/{total[1]:<5} {pct(total[2], total[3])} {total[2]:5}/{total[3]:<5}")
PY
