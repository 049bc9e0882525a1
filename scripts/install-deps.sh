#!/usr/bin/env bash
# Installs the Debian packages the project builds, tests and runs with.
# Safe to run again: it only calls apt-get when a package is missing.
set -euo pipefail

packages=(
  build-essential cmake make pkg-config
  qt6-base-dev libgl-dev
  libqt6svg6 qt6-tools-dev qt6-l10n-tools qt6-translations-l10n qt6-wayland weston x11-utils
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-dev
  fonts-ipafont-gothic fonts-ipafont-mincho fontconfig
  xvfb xauth xdotool x11-apps imagemagick
  dpkg-dev desktop-file-utils libxml2-utils file
)

# Package lint, software-centre metadata, and the install check's chroot.
packages+=(lintian appstream debootstrap)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ "${#missing[@]}" -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
