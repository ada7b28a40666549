#!/usr/bin/env bash
# The gates CI runs besides the tests:
#   1. every C++ file formatted as .clang-format says;
#   2. no include by a path up out of its folder ("../x.h" would get round the per-layer
#      include paths);
#   3. clang-tidy's checks (.clang-tidy) on src/, over the default build's compile commands,
#      one process per core. Needs the default build configured (scripts/test.sh does it).
#   scripts/lint.sh [--format-only]
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t sources < <(find src tests bench fuzz examples -name '*.cpp' -o -name '*.h' | sort)
clang-format --dry-run --Werror "${sources[@]}"
echo "lint: ${#sources[@]} files formatted"

if grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"\.\./' "${sources[@]}"; then
  echo "lint: an include reaches up out of its folder; include \"layer/x.h\" instead" >&2
  exit 1
fi
[[ ${1:-} == --format-only ]] && exit 0

build=build/default
if [[ ! -f $build/compile_commands.json ]]; then
  echo "lint: $build/compile_commands.json missing; configure with 'cmake --preset default'" >&2
  exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# clang-tidy cannot read GCC's precompiled headers: drop them, so each source is checked with
# the includes it names itself.
python3 - "$build/compile_commands.json" "$work/compile_commands.json" "$PWD/src/" <<'PY'
import json, shlex, sys
source, target, root = sys.argv[1:]
kept = []
for entry in json.load(open(source)):
    if not entry["file"].startswith(root):
        continue
    args = shlex.split(entry["command"])
    out, skip = [], False
    for a in args:
        if skip:
            skip = False
        elif a == "-include":
            skip = True
        elif a != "-Winvalid-pch":
            out.append(a)
    entry["command"] = shlex.join(out)
    kept.append(entry)
json.dump(kept, open(target, "w"), indent=1)
print("\n".join(e["file"] for e in kept), file=open(target + ".files", "w"))
PY
count=$(wc -l <"$work/compile_commands.json.files")
if ! xargs -P "$(nproc)" -n 1 clang-tidy -p "$work" --quiet <"$work/compile_commands.json.files" \
    >"$work/tidy.log" 2>&1; then
  grep -E 'warning:|error:' -A3 "$work/tidy.log" >&2 || cat "$work/tidy.log" >&2
  echo "lint: clang-tidy found the above" >&2
  exit 1
fi
echo "lint: clang-tidy clean on $count sources"
