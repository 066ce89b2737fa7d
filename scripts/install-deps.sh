#!/usr/bin/env bash
# Installs the Debian packages the project needs to build, run and test.
# Only what is missing is installed; recommends are left out on purpose
# (they would pull in GTK, avahi and colord for nothing).
set -euo pipefail

packages=(
  cmake g++ make
  qt6-base-dev libgl-dev libqt6svg6
  libcups2-dev cups cups-client
  xvfb xdotool openbox x11-utils
  poppler-utils fonts-dejavu-core fonts-liberation2
  clang libclang-rt-14-dev
  desktop-file-utils appstream dpkg-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
