#!/usr/bin/env bash
# Runs the libFuzzer targets under ASan+UBSan; fails on any finding.
#   scripts/fuzz.sh [SECONDS [TARGET]]
# SECONDS (default 60) is shared among the class-file and CSV readers' targets, or given
# whole to TARGET (fuzz_file_reader or fuzz_csv_reader).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
seconds=${1:-60}
declare -A corpus=([fuzz_file_reader]=fuzz/corpus [fuzz_csv_reader]=fuzz/corpus_csv)
if [ $# -ge 2 ]; then
  if [ -z "${corpus[$2]+set}" ]; then
    echo "fuzz.sh: unknown target '$2' (fuzz_file_reader or fuzz_csv_reader)" >&2
    exit 1
  fi
  targets=("$2")
else
  targets=(fuzz_file_reader fuzz_csv_reader)
fi
share=$(( seconds / ${#targets[@]} ))
[ "$share" -ge 1 ] || share=1
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)" --target "${targets[@]}"
for target in "${targets[@]}"; do
  work=$(mktemp -d)
  cp "${corpus[$target]}"/* "$work"/
  echo "== $target, $share s"
  build/fuzz/fuzz/"$target" -max_total_time="$share" -max_len=65536 \
    -print_final_stats=1 "$work" 2>&1 | tail -n 25
  rm -rf "$work"
done
