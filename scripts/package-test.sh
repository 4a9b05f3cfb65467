#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root and runs the unpacked program there
# against its own share folder (no KELVO_DATA, another working folder); validates the desktop
# entry and the metainfo, and runs lintian (errors fail).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/package.sh >/dev/null
deb=$(ls "$PWD"/build/kelvosoftware_*.deb)
root=$(mktemp -d)
work=$(mktemp -d)
trap 'rm -rf "$root" "$work"' EXIT
dpkg -x "$deb" "$root"
program="$root/usr/bin/kelvo"
cd "$work"
unset KELVO_DATA
echo "== installed kelvo --version: $("$program" --version)"
"$program" select --family BOX --refrigerant R404A --to -10 --ambient 32 --json >select.json
grep -q '"unitIndex":21' select.json || { echo "select listed nothing from the installed data"; exit 1; }
QT_QPA_PLATFORM=offscreen "$program" datasheet --family BOX --refrigerant R404A --to -10 \
  --ambient 32 --unit-index 21 --pdf unit.pdf
[ "$(head -c 4 unit.pdf)" = "%PDF" ] || { echo "the datasheet is no PDF"; exit 1; }
"$program" check | grep -q "$root/usr/share/kelvosoftware" ||
  { echo "check did not use the installed share folder"; exit 1; }
[ -z "$(find "$root" -name KelvoSoftwareBazaDanych.txt)" ] ||
  { echo "the editor's marker file is installed"; exit 1; }
zcat "$root/usr/share/man/man1/kelvo.1.gz" | grep -qF '.SS pair\-report' ||
  { echo "the manual page lacks the commands"; exit 1; }
desktop-file-validate "$root/usr/share/applications/kelvosoftware.desktop"
appstreamcli validate --no-net --pedantic \
  "$root/usr/share/metainfo/com.kelvosoftware.kelvosoftware.metainfo.xml" || {
  appstreamcli validate --no-net "$root/usr/share/metainfo/com.kelvosoftware.kelvosoftware.metainfo.xml"
}
lintian --fail-on error --suppress-tags dir-or-file-in-opt "$deb"
echo "Package checked: $(basename "$deb")"
