#!/usr/bin/env bash
# Installs what is missing, builds, and starts the desktop program on the bundled sample class.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target markwise
program=build/default/src/app/markwise
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "markwise: no display here; run it under a virtual one with 'xvfb-run -a $program examples/sample.mkw', or print the class without a display with '$program --print-to-pdf sample.pdf examples/sample.mkw'." >&2
  exit 1
fi
exec "$program" examples/sample.mkw
