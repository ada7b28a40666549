#!/usr/bin/env bash
# Fuzzes under ASan+UBSan and fails on any finding.
#   scripts/fuzz.sh [SECONDS] [TARGET]
# With a TARGET (fuzz_file_reader, fuzz_csv_reader, fuzz_profile, fuzz_cli_args,
# fuzz_encoding) it runs that one for SECONDS (default 60); without, the SECONDS are shared
# among all of them. Prints inputs, inputs per second and coverage for each.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
seconds=${1:-60}
targets=(fuzz_file_reader fuzz_csv_reader fuzz_profile fuzz_cli_args fuzz_encoding)
if [[ $# -ge 2 ]]; then
  if [[ " ${targets[*]} " != *" $2 "* ]]; then
    echo "fuzz.sh: unknown target '$2' (${targets[*]})" >&2
    exit 1
  fi
  targets=("$2")
fi
share=$(( seconds / ${#targets[@]} ))
(( share >= 1 )) || share=1

cmake --preset fuzz -DMARKWISE_WERROR="${MARKWISE_WERROR:-OFF}" >/dev/null
cmake --build --preset fuzz -j "$(nproc)" --target "${targets[@]}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
summary=""
for target in "${targets[@]}"; do
  corpus="$work/${target#fuzz_}"
  mkdir -p "$corpus"
  cp -r "fuzz/corpus/${target#fuzz_}/." "$corpus"/
  # The class-file seeds include a text of 65,534 bytes and one of 65,533.
  max_len=4096
  [[ $target == fuzz_file_reader ]] && max_len=140000
  [[ $target == fuzz_csv_reader ]] && max_len=65536
  log="$work/$target.log"
  if ! "build/fuzz/fuzz/$target" -max_total_time="$share" -max_len="$max_len" -timeout=10 \
      -print_final_stats=1 -artifact_prefix="$work/" "$corpus" >"$log" 2>&1; then
    status=1
    tail -n 40 "$log"
    cp "$work"/crash-* "$work"/leak-* "$work"/timeout-* . 2>/dev/null || true
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
  cov=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -n 1)
  summary+=$(printf '%-18s %10s inputs %8s/s  %s' "$target" "${runs:-?}" "${rate:-?}" "${cov:-}")$'\n'
done
printf '%s' "$summary"
exit $status
