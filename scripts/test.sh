#!/usr/bin/env bash
# Builds everything and runs every test: the optimised build and each of its benchmarks once,
# briefly, then the sanitizer build.
# MARKWISE_WERROR=ON (as CI sets it) makes compiler warnings errors.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs=$(nproc)

cmake --preset default -DMARKWISE_WERROR="${MARKWISE_WERROR:-OFF}" >/dev/null
cmake --build --preset default -j "$jobs"
ctest --preset default -j "$jobs"
bash scripts/bench.sh build/default

cmake --preset asan -DMARKWISE_WERROR="${MARKWISE_WERROR:-OFF}" >/dev/null
cmake --build --preset asan -j "$jobs"
ctest --preset asan -j "$jobs"
