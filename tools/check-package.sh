#!/usr/bin/env bash
# Makes the Debian package from build/ (configured and built by ./test.sh),
# checks it with Debian's own tools, and proves that the unpacked programs
# find their data under their own root.
set -euo pipefail
cd "$(dirname "$0")/.."
rm -f build/corvanta_*.deb
cmake --build build --target package >/dev/null
deb=$(echo build/corvanta_*.deb)
# No lintian error or warning is left; its notes (I:) are the toolchain's
# default hardening and a misspelling read across two texts that lie side by
# side in the window program.
lintian --fail-on error,warning "$deb"
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
share=$root/usr/share
desktop-file-validate "$share/applications/corvanta.desktop"
appstreamcli validate --no-net "$share/metainfo/corvanta.metainfo.xml"
mime=$share/mime/packages/corvanta.xml
xmllint --noout "$mime"
has() {
  [ "$(xmllint --xpath "count(//*[local-name()='$1'][$2])" "$mime")" = 1 ] ||
    { echo "check-package: corvanta.xml has no $1 with $2" >&2 && return 1; }
}
has glob "@pattern='*.cv'"
has root-XML "@localName='CVSystem'"
size=$root/usr/bin/corvanta-size
"$size" --help >/dev/null
# corvanta-size sizes nothing without its EFV catalogue; once the unpacked
# one is gone it must fail, so the first run found it under the scratch root.
"$size" --material-list examples/efv_branches.cv >/dev/null
rm "$share/corvanta/corvanta.db"
if "$size" examples/efv_branches.cv >/dev/null 2>&1; then
  echo "check-package: corvanta-size found a catalogue outside $root" >&2
  exit 1
fi
echo "package check passed: $deb"
