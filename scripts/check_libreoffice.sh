#!/usr/bin/env bash
# By hand, not in CI: checks that LibreOffice Calc reads markwise-cli's CSV exports cell for
# cell. Each layout's export of the sample class, and of a class whose first student's name
# begins with '=', goes CSV -> ODS -> CSV through headless Calc; every cell must come back
# in its place, and the '=' name must be a text cell in the ODS, never a formula. Number-like
# texts that Calc turns into numbers (an ID "0042" becomes 42) are listed as notes.
# Needs Debian's libreoffice-calc-nogui (large, so not part of setup.sh).
#   scripts/check_libreoffice.sh [path/to/markwise-cli]
set -euo pipefail
cd "$(dirname "$0")/.."
cli=${1:-build/default/src/cli/markwise-cli}
command -v soffice >/dev/null || { echo "check_libreoffice: soffice not found (apt-get install libreoffice-calc-nogui)" >&2; exit 1; }
[ -x "$cli" ] || { echo "check_libreoffice: $cli not built" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A class whose names a spreadsheet would run as formulas if they were not guarded.
cat >"$work/formula.csv" <<'CSV'
Last Name,First Name,Student ID,Grade Level,Book Number,Phone,=Quiz,Lab
Points Possible,,,,,,10,20
Description,,,,,,@SUM(A1),"-minus, comma"
"'=HYPERLINK(""http://example.com"";""x"")",'+Ann,'-7,10,'@B1,+1 555,9.5,
"Lee, Jr.",Bob,0042,11,BK-1,555,,17
CSV
"$cli" import "$work/formula.csv" -o "$work/formula.mkw"

for class in examples/sample.mkw "$work/formula.mkw"; do
  name=$(basename "$class" .mkw)
  for layout in markwise canvas moodle; do
    "$cli" export "$class" --format "$layout" -o "$work/${name}_$layout.csv"
  done
done

profile="file://$work/profile"
cd "$work"
# 44 comma, 34 double quote, 76 UTF-8, from line 1.
soffice -env:UserInstallation="$profile" --headless --infilter="CSV:44,34,76,1" \
  --convert-to ods --outdir ods ./*_*.csv >/dev/null 2>&1
soffice -env:UserInstallation="$profile" --headless \
  --convert-to "csv:Text - txt - csv (StarCalc):44,34,76,1" --outdir back ods/*.ods >/dev/null 2>&1

python3 - <<'PY'
import csv, glob, html, os, re, sys, zipfile

def cells(path):
    with open(path, newline="", encoding="utf-8") as f:
        return list(csv.reader(f))

OUR_NUMBER = re.compile(r"-?(0|[1-9][0-9]*)(\.[0-9]+)?(e[+-][0-9]+)?")

def same(ours, theirs):
    """Equal text, or one of our numbers that Calc writes differently (1E+300)."""
    if ours == theirs:
        return True
    try:
        return OUR_NUMBER.fullmatch(ours) is not None and float(ours) == float(theirs)
    except ValueError:
        return False

def zeros_dropped(ours, theirs):
    """Calc reads any number-like text as a number: an ID "0042" comes back as "42"."""
    try:
        return ours != theirs and float(ours) == float(theirs)
    except ValueError:
        return False

failed = False
for path in sorted(glob.glob("*_*.csv")):
    ours = cells(path)
    back = cells(os.path.join("back", path))
    problems = []
    notes = []
    if len(ours) != len(back):
        problems.append(f"{len(ours)} rows became {len(back)}")
    for r, (a, b) in enumerate(zip(ours, back), 1):
        # Calc drops trailing empty cells only; the rest must line up.
        while a and a[-1] == "":
            a = a[:-1]
        while b and b[-1] == "":
            b = b[:-1]
        if len(a) != len(b):
            problems.append(f"row {r}: {len(a)} cells became {len(b)}")
        for c, (x, y) in enumerate(zip(a, b), 1):
            if zeros_dropped(x, y) and not same(x, y):
                notes.append(f"row {r}, cell {c}: {x!r} became {y!r} (a number to Calc)")
            elif not same(x, y):
                problems.append(f"row {r}, cell {c}: {x!r} became {y!r}")
    ods = os.path.join("ods", path[:-4] + ".ods")
    content = zipfile.ZipFile(ods).read("content.xml").decode()
    formulas = len(re.findall(r"table:formula=", content))
    if formulas:
        problems.append(f"{formulas} cells became formulas in the ODS")
    status = "ok" if not problems else "FAILED"
    print(f"{path}: {len(ours)} rows, {sum(map(len, ours))} cells: {status}")
    for p in problems[:10]:
        print("   ", p)
    for n in notes:
        print("    note:", n)
    failed = failed or bool(problems)
if "formula_markwise.csv" in os.listdir("."):
    content = zipfile.ZipFile("ods/formula_markwise.ods").read("content.xml").decode()
    m = re.search(r'<table:table-cell[^>]*>\s*<text:p>([^<]*HYPERLINK[^<]*)</text:p>', content)
    print("the '=' name is a text cell in Calc:", repr(html.unescape(m.group(1))) if m else "NOT FOUND")
    failed = failed or m is None
sys.exit(1 if failed else 0)
PY
