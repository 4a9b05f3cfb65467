#!/usr/bin/env bash
# Builds the program (into build, as scripts/test.sh does) and its Debian package:
# build/kelvosoftware_<version>_<arch>.deb. Install it with: sudo apt-get install ./build/kelvosoftware_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build
rm -f build/kelvosoftware_*.deb
(cd build && cpack -G DEB >/dev/null)
ls build/kelvosoftware_*.deb
