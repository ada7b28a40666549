#!/usr/bin/env bash
# Makes the Debian package from the default build (built and tested before), checks it with
# lintian and the desktop's validators, installs it, runs the installed programs on the
# installed sample class, and removes it again. Needs root or sudo for the install.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/default
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi

desktop-file-validate res/io.github.markwise.Markwise.desktop
appstreamcli validate --no-net res/io.github.markwise.Markwise.metainfo.xml

rm -rf "$build/package"
cpack --config "$build/CPackConfig.cmake" -B "$build/package" >/dev/null
debs=("$build"/package/markwise_*.deb)
deb=${debs[0]}
dpkg-deb --field "$deb" Package Version Installed-Size Depends
lintian --fail-on error,warning --display-info "$deb"
echo "lintian: no error, no warning on $(basename "$deb")"

out=$(mktemp -d)
trap 'rm -rf "$out"; $sudo apt-get remove -y -qq markwise >/dev/null 2>&1 || true' EXIT
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "$PWD/$deb" >/dev/null
desktop-file-validate /usr/share/applications/io.github.markwise.Markwise.desktop
appstreamcli validate --no-net /usr/share/metainfo/io.github.markwise.Markwise.metainfo.xml >/dev/null
/usr/bin/markwise --version
/usr/bin/markwise-cli --version
XDG_CONFIG_HOME=$out XDG_RUNTIME_DIR=$out /usr/bin/markwise --print-to-pdf "$out/sample.pdf" \
  /usr/share/doc/markwise/examples/sample.mkw
pdfinfo "$out/sample.pdf" | grep '^Pages:'
DEBIAN_FRONTEND=noninteractive $sudo apt-get remove -y -qq markwise >/dev/null
if [ -e /usr/bin/markwise ] || [ -e /usr/bin/markwise-cli ]; then
  echo "the package left its programs behind" >&2
  exit 1
fi
echo "installed, run and removed: $(basename "$deb")"
