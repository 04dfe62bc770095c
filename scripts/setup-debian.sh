#!/usr/bin/env bash
# Installs the Debian 12 packages the editor needs to build, run and test, skipping those already present.
set -euo pipefail

packages=(
  build-essential cmake ninja-build
  qt6-base-dev libgl-dev qt6-translations-l10n qt6-webengine-dev
  python3 node-mdn-data
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-ipafont-gothic fonts-dejavu-core
  xvfb xauth
  file desktop-file-utils
  lintian appstream man-db
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
