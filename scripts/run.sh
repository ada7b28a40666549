#!/usr/bin/env bash
# Installs what is missing, builds, and shows the bundled sample class.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target markwise-cli
build/default/src/cli/markwise-cli grades examples/sample.mkw
