#!/usr/bin/env bash
# Fuzzes under ASan+UBSan and fails on any finding.
#   scripts/fuzz.sh [SECONDS] [TARGET]
# With a TARGET (fuzz_file_reader, fuzz_encoding, fuzz_cli_args, fuzz_profile,
# fuzz_csv_reader) it runs that one for SECONDS (default 60); without, the SECONDS are shared
# among all of them. Prints inputs, inputs per second and coverage for each.
#   scripts/fuzz.sh long [WORKERS] [TARGET]
# Runs each target (or TARGET) until 10 million inputs for the class reader and 1 million
# for each other, with WORKERS processes at a time (-fork; default: every core), keeping
# the inputs that found something new in build/fuzz/corpus/<target> and the log in
# build/fuzz/long-<target>.log. Prints inputs, inputs per second, coverage and findings
# for each.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
# The slowest last, so that a long run cut short has finished the others.
targets=(fuzz_file_reader fuzz_encoding fuzz_cli_args fuzz_profile fuzz_csv_reader)
long=0
if [[ ${1:-} == long ]]; then
  long=1
  workers=${2:-$(nproc)}
  seconds=0
  shift
else
  seconds=${1:-60}
fi
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
  seeds="fuzz/corpus/${target#fuzz_}"
  # The class-file seeds include a text of 65,534 bytes and one of 65,533.
  max_len=4096
  [[ $target == fuzz_file_reader ]] && max_len=140000
  [[ $target == fuzz_csv_reader ]] && max_len=65536
  log="$work/$target.log"
  if (( long )); then
    log="build/fuzz/long-$target.log" # kept: a long run's progress can be followed
    runs=1000000
    [[ $target == fuzz_file_reader ]] && runs=10000000
    corpus="build/fuzz/corpus/${target#fuzz_}"
    mkdir -p "$corpus"
    # The first folder receives the new inputs; the seeds are only read.
    args=(-fork="$workers" -runs="$runs" -ignore_crashes=1 "$corpus" "$seeds")
  else
    corpus="$work/${target#fuzz_}"
    mkdir -p "$corpus"
    cp -r "$seeds/." "$corpus"/
    args=(-max_total_time="$share" "$corpus")
  fi
  start=$SECONDS
  if ! "build/fuzz/fuzz/$target" -max_len="$max_len" -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$work/" "${args[@]}" >"$log" 2>&1; then
    status=1
    tail -n 40 "$log"
  fi
  findings=$(find "$work" -maxdepth 1 \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' \
      -o -name 'oom-*' \) | wc -l)
  if (( findings > 0 )); then
    status=1
    cp "$work"/crash-* "$work"/leak-* "$work"/timeout-* "$work"/oom-* . 2>/dev/null || true
    rm -f "$work"/crash-* "$work"/leak-* "$work"/timeout-* "$work"/oom-*
  fi
  if (( long )); then
    # The forking parent reports "#<inputs>: cov: <n> ft: <n> corp: ... exec/s: <n> ...".
    last=$(grep -E '^#[0-9]+: cov:' "$log" | tail -n 1 || true)
    done_runs=$(sed -E 's/^#([0-9]+):.*/\1/' <<<"$last")
    cov=$(grep -oE 'cov: [0-9]+ ft: [0-9]+' <<<"$last" || true)
    tally=$(grep -oE 'oom/timeout/crash: [0-9/]+' <<<"$last" || true)
    elapsed=$(( SECONDS - start ))
    (( elapsed >= 1 )) || elapsed=1
    rate=$(( ${done_runs:-0} / elapsed ))
  else
    done_runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
    cov=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -n 1)
    tally=""
  fi
  summary+=$(printf '%-18s %10s inputs %8s/s  %-22s %s findings %s' "$target" \
      "${done_runs:-?}" "${rate:-?}" "${cov:-}" "$findings" "$tally")$'\n'
done
printf '%s' "$summary"
exit $status
