#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds the editor and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVI_BUILD_TESTS=OFF
cmake --build build/release --target tavi-css-editor
exec build/release/app/tavi-css-editor "$@"
