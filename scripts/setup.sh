#!/usr/bin/env bash
# Installs every Debian package the build, the game and the tests need.
# Idempotent and quiet when everything is already present; runs as root or through sudo.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-translations-l10n
  libqt6svg6 qt6-qpa-plugins
  libgl-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  fonts-ipafont-gothic
  xvfb xauth openbox x11-apps imagemagick
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
