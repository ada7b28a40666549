#!/usr/bin/env bash
# Runs the class-file reader fuzzer under ASan+UBSan for a while (default 60 s); fails on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
seconds=${1:-60}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)" --target fuzz_file_reader
work=$(mktemp -d)
cp fuzz/corpus/* "$work"/
build/fuzz/fuzz/fuzz_file_reader -max_total_time="$seconds" -max_len=65536 \
  -print_final_stats=1 "$work" 2>&1 | tail -n 25
