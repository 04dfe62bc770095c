#!/usr/bin/env bash
# Builds the editor for release and makes its Debian package in build/package; prints the package's path.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVI_BUILD_TESTS=OFF
cmake --build build/package
(cd build/package && cpack -G DEB)
ls "$PWD"/build/package/tavi-css-editor_*.deb
