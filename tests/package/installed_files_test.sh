#!/usr/bin/env bash
# Stages an install of the build tree and checks it as a packager would: every file in its
# place, icons of the size their folder says, manual pages and completion naming every
# option the programs' --help lists, one version everywhere, the desktop files valid.
#   installed_files_test.sh BUILD_DIR SOURCE_DIR VERSION
set -uo pipefail
build=$1 source=$2 version=$3
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null || fail "cmake --install"
usr=$stage/usr
id=io.github.markwise.Markwise

for file in bin/markwise bin/markwise-cli \
  share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
  share/mime/packages/$id.xml share/man/man1/markwise.1.gz share/man/man1/markwise-cli.1.gz \
  share/bash-completion/completions/markwise share/bash-completion/completions/markwise-cli \
  share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/scalable/mimetypes/application-x-markwise.svg \
  share/doc/markwise/copyright share/doc/markwise/changelog.Debian.gz \
  share/doc/markwise/examples/sample.mkw share/lintian/overrides/markwise; do
  [ -s "$usr/$file" ] || fail "missing $file"
done
for size in 16 32 48 64 128 256; do
  png=$usr/share/icons/hicolor/${size}x${size}/apps/$id.png
  file -b "$png" | grep -q "PNG image data, $size x $size" || fail "$png is not $size x $size"
done

# The desktop entry names what is installed.
entry=$usr/share/applications/$id.desktop
grep -qx "Exec=markwise %F" "$entry" || fail "Exec does not take every chosen file"
grep -qx "Icon=$id" "$entry" || fail "Icon is not the installed one"
grep -qx "Categories=Education;" "$entry" || fail "the main category is not Education"
desktop-file-validate "$entry" || fail "desktop-file-validate"
appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml" >/dev/null || fail "appstreamcli"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$usr/share/metainfo/$id.metainfo.xml" ||
  fail "the metainfo launches another entry"
for path in $(sed -n 's|.*<image[^>]*>.*/main/\(res/screenshots/[^<]*\)</image>|\1|p' \
  "$usr/share/metainfo/$id.metainfo.xml"); do
  [ -s "$source/$path" ] || fail "screenshot $path is not in the tree"
done

# One version: the programs, the package's changelog, the metainfo's newest release, the pages.
[ "$("$usr/bin/markwise" --version)" = "Markwise $version" ] || fail "markwise --version"
[ "$("$usr/bin/markwise-cli" --version)" = "markwise-cli $version" ] || fail "markwise-cli --version"
zcat "$usr/share/doc/markwise/changelog.Debian.gz" | head -1 | grep -q "^markwise ($version-1) " ||
  fail "the changelog's newest entry is not $version-1"
grep -m1 "<release " "$usr/share/metainfo/$id.metainfo.xml" | grep -q "version=\"$version\"" ||
  fail "the metainfo's newest release is not $version"

# Every option --help lists is in the manual page and the completion.
for program in markwise markwise-cli; do
  page=$(zcat "$usr/share/man/man1/$program.1.gz")
  grep -q "^\.TH .*\"Markwise $version\"" <<<"$page" || fail "$program.1 is not of $version"
  grep -q '^\.SH EXIT STATUS' <<<"$page" || fail "$program.1 has no exit statuses"
  grep -q '^\.SH FILES' <<<"$page" || fail "$program.1 has no files"
  grep -q '^\.SH EXAMPLES' <<<"$page" || fail "$program.1 has no examples"
  completion=$(cat "$usr/share/bash-completion/completions/$program")
  options=$("$usr/bin/$program" --help | grep -o -- '--[a-z][a-z-]*' | sort -u)
  [ -n "$options" ] || fail "$program --help lists no option"
  for option in $options; do
    grep -qF -- "${option//-/\\-}" <<<"$page" || fail "$program.1 lacks $option"
    grep -qw -- "$option" <<<"$completion" || fail "the $program completion lacks $option"
  done
done
for command in grades summary sort resave export import merge pdf policy; do
  grep -q "^\.B markwise-cli $command" <(zcat "$usr/share/man/man1/markwise-cli.1.gz") ||
    fail "markwise-cli.1 lacks the $command synopsis"
done

# The completion answers: words typed so far, then what it must offer (all of it).
complete_words() {
  local program=$1
  shift
  (
    compopt() { :; } # folders come from bash itself (plusdirs), not the function
    # shellcheck disable=SC1090
    source "$usr/share/bash-completion/completions/$program"
    COMP_WORDS=("$program" "$@")
    COMP_CWORD=$#
    "_${program//-/_}"
    printf '%s\n' "${COMPREPLY[@]}"
  )
}
# The stage holds the installed usr folder too: a policy file may lie in any folder.
cd "$stage" && touch a.mkw b.MKW c.csv notes.txt
while IFS='|' read -r program words expected; do
  # shellcheck disable=SC2086
  got=$(complete_words "$program" $words "" | sort | tr '\n' ' ')
  [ "$got" = "$expected" ] || fail "completing '$program $words': '$got', not '$expected'"
done <<'ROWS'
markwise|--page-size|A4 Letter 
markwise|--report|progress: roster sheet student: students 
markwise||a.mkw b.MKW 
markwise-cli|export a.mkw --format|canvas markwise moodle xlsx 
markwise-cli|sort a.mkw --by|assignment: name total 
markwise-cli|merge a.mkw --match|id name 
markwise-cli|import|c.csv 
markwise-cli|merge a.mkw|c.csv 
markwise-cli|grades|a.mkw b.MKW 
markwise-cli|policy|a.mkw b.MKW 
markwise-cli|policy a.mkw --set|a.mkw b.MKW c.csv notes.txt usr 
ROWS
[ "$(complete_words markwise-cli summary a.mkw --c | tr '\n' ' ')" = "--class --cutoffs " ] ||
  fail "summary's options"
[ "$(complete_words markwise-cli gr | tr '\n' ' ')" = "grades " ] || fail "the commands"

[ "$failures" -eq 0 ] && echo "installed files: all checks passed"
exit $((failures != 0))
