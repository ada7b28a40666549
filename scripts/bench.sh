#!/usr/bin/env bash
# Runs every benchmark program of a build once, briefly: each must run to the end and exit 0.
# Timings from this run mean nothing; it proves that the benchmarks still work.
#   scripts/bench.sh [build-folder]   (default: build/default)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/default}
export QT_QPA_PLATFORM=offscreen
status=0
found=0
while IFS= read -r program; do
  found=$((found + 1))
  if ! "$program" --benchmark_min_time=0.000001 >/dev/null 2>"$build/bench-errors.txt"; then
    echo "benchmark failed: $program" >&2
    cat "$build/bench-errors.txt" >&2
    status=1
  fi
done < <(find "$build/bench" -type f -executable -name 'bench_*' | sort)
rm -f "$build/bench-errors.txt"
if [ "$found" -eq 0 ]; then
  echo "no benchmark programs in $build/bench" >&2
  exit 1
fi
exit "$status"
