#!/usr/bin/env bash
# By hand, not in CI: checks that LibreOffice Calc reads markwise-cli's CSV and XLSX exports
# cell for cell. Each class's workbook goes XLSX -> CSV through Calc: every cell must match the
# class's markwise CSV, numbers as number cells and texts as text cells (never formulas), alone
# and as one sheet of a workbook of three classes (one with a grading policy). Each layout's export of the sample class, and of a class whose first student's name
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
mkdir "$work/xlsx" "$work/all"

# A class whose names a spreadsheet would run as formulas if they were not guarded.
cat >"$work/formula.csv" <<'CSV'
Last Name,First Name,Student ID,Grade Level,Book Number,Phone,=Quiz,Lab
Points Possible,,,,,,10,20
Description,,,,,,@SUM(A1),"-minus, comma"
"'=HYPERLINK(""http://example.com"";""x"")",'+Ann,'-7,10,'@B1,+1 555,9.5,
"Lee, Jr.",Bob,0042,11,BK-1,555,,17
CSV
"$cli" import "$work/formula.csv" -o "$work/formula.mkw"

# A class with a grading policy: its workbook and CSV carry a Category row and EX/M cells.
cat >"$work/policy.ini" <<'INI'
[Category 1]
name=Quizzes
weight=20
drop lowest=1
assignments=1,4,8

[Category 2]
name=Everything else
weight=80
drop lowest=0
assignments=2-3,5-7,9-12
INI
"$cli" policy examples/sample.mkw --set "$work/policy.ini" -o "$work/policy.mkw"
# An excused and a missing-work score, put in through the CSV that carries them.
"$cli" export "$work/policy.mkw" --format markwise -o "$work/marks.csv"
python3 - "$work/marks.csv" <<'PY'
import csv, sys
rows = list(csv.reader(open(sys.argv[1], newline="", encoding="utf-8")))
rows[4][6], rows[5][7] = "EX", "M"
csv.writer(open(sys.argv[1], "w", newline="", encoding="utf-8")).writerows(rows)
PY
"$cli" import "$work/marks.csv" -o "$work/policy.mkw"

for class in examples/sample.mkw "$work/formula.mkw" "$work/policy.mkw"; do
  name=$(basename "$class" .mkw)
  for layout in markwise canvas moodle; do
    "$cli" export "$class" --format "$layout" -o "$work/${name}_$layout.csv"
  done
  "$cli" export "$class" --format xlsx -o "$work/xlsx/$name.xlsx"
done
# All three in one workbook, one sheet each.
"$cli" export examples/sample.mkw "$work/formula.mkw" "$work/policy.mkw" --format xlsx \
  -o "$work/all/all.xlsx"

profile="file://$work/profile"
cd "$work"
# 44 comma, 34 double quote, 76 UTF-8, from line 1.
soffice -env:UserInstallation="$profile" --headless --infilter="CSV:44,34,76,1" \
  --convert-to ods --outdir ods ./*_*.csv >/dev/null 2>&1
soffice -env:UserInstallation="$profile" --headless \
  --convert-to "csv:Text - txt - csv (StarCalc):44,34,76,1" --outdir back ods/*.ods >/dev/null 2>&1
# Token 9 true: every text cell quoted, so a text "42" and a number 42 differ.
soffice -env:UserInstallation="$profile" --headless \
  --convert-to "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,true,true,true" --outdir xlsx \
  xlsx/*.xlsx >/dev/null 2>&1
# Token 12 -1: every sheet, each into all-<sheet name>.csv.
soffice -env:UserInstallation="$profile" --headless \
  --convert-to "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,true,true,true,,,-1" --outdir all \
  all/all.xlsx >/dev/null 2>&1

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

# The workbooks: Calc's CSV of each, against the markwise CSV of the same class.
GUARDED = re.compile(r"'+[=+\-@\t\r]")
def parse_with_kinds(text):
    """Rows of (cell, quoted) from CSV text: a quoted field in Calc's file is a text cell."""
    rows, row, cell, quoted, inside, i = [], [], "", False, False, 0
    while i < len(text):
        ch = text[i]
        if inside:
            if ch == '"' and text[i + 1:i + 2] == '"':
                cell += '"'; i += 1
            elif ch == '"':
                inside = False
            else:
                cell += ch
        elif ch == '"' and cell == "":
            inside = quoted = True
        elif ch == ",":
            row.append((cell, quoted)); cell, quoted = "", False
        elif ch in "\r\n":
            if ch == "\r" and text[i + 1:i + 2] == "\n":
                i += 1
            row.append((cell, quoted)); rows.append(row); row, cell, quoted = [], "", False
        else:
            cell += ch
        i += 1
    if cell or row:
        row.append((cell, quoted)); rows.append(row)
    return rows
TEXT_ROWS = ("Category", "Description")
books = [(name, f"xlsx/{name}.csv", f"xlsx/{name}.xlsx", "xl/worksheets/sheet1.xml")
         for name in ("sample", "formula", "policy")]
books += [(name, f"all/all-{name}.csv", "all/all.xlsx", f"xl/worksheets/sheet{i}.xml")
          for i, name in enumerate(("sample", "formula", "policy"), 1)]
for name, calc_csv, book, sheet_xml in books:
    ours = cells(f"{name}_markwise.csv")
    parsed = parse_with_kinds(open(calc_csv, encoding="utf-8", newline="").read())
    back = [[cell for cell, _ in row] for row in parsed]
    kinds = [[quoted for _, quoted in row] for row in parsed]
    problems = []
    if len(ours) != len(back):
        problems.append(f"{len(ours)} rows became {len(back)}")
    for r, (a, b) in enumerate(zip(ours, back), 1):
        a = list(a)
        while a and a[-1] == "":
            a.pop()
        b = list(b)
        while b and b[-1] == "":
            b.pop()
        if len(a) != len(b):
            problems.append(f"row {r}: {len(a)} cells became {len(b)}")
        for c, (x, y) in enumerate(zip(a, b), 1):
            text = x[1:] if GUARDED.match(x) else x  # the CSV's guard is no part of the text
            detail = r > 1 and ours[r - 1][0] in TEXT_ROWS and r <= 4
            number = OUR_NUMBER.fullmatch(x) is not None and (r == 2 or (r > 2 and not detail and c > 6))
            if not same(text, y):
                problems.append(f"row {r}, cell {c}: {text!r} became {y!r}")
            elif x and kinds[r - 1][c - 1] == number:
                problems.append(f"row {r}, cell {c}: {x!r} is a {'text' if kinds[r-1][c-1] else 'number'} cell")
    sheet = zipfile.ZipFile(book).read(sheet_xml).decode()
    if "<f>" in sheet or "<f " in sheet:
        problems.append("the workbook holds a formula")
    print(f"{book} ({name}): {len(ours)} rows, {sum(map(len, ours))} cells: {'ok' if not problems else 'FAILED'}")
    for p in problems[:10]:
        print("   ", p)
    failed = failed or bool(problems)
sys.exit(1 if failed else 0)
PY
