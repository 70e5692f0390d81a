#!/usr/bin/env bash
# Installs the Debian packages Velk needs to build, run and test; does
# nothing when they are all present already. With --list it only prints
# them.
set -euo pipefail

packages=(
  cmake ninja-build g++ ccache pkg-config
  qt6-base-dev libgl-dev qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  libicu-dev libonig-dev libgmp-dev libxxhash-dev
  fonts-ipafont-gothic
  xauth xclip xdotool xvfb
)

if [ "${1:-}" = "--list" ]; then
  echo "${packages[@]}"
  exit 0
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
