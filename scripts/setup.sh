#!/usr/bin/env bash
# Installs the Debian packages the build needs, when they are missing.
# As root it installs them with apt-get; otherwise it prints the command to run.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-private-dev libgl-dev
  libjpeg-dev libpng-dev libexpat1-dev libsqlite3-dev libarchive-dev
  libsword-dev sword-text-kjv libsword-utils diatheke
  libgtest-dev libgmock-dev libbenchmark-dev libgif-dev liblitehtml-dev
  fonts-liberation fonts-dejavu-core fontconfig
  clang-14 libclang-rt-14-dev
  desktop-file-utils appstream dpkg-dev file lintian
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
  echo "These Debian packages are missing: ${missing[*]}" >&2
  echo "Install them with:" >&2
  echo "  sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi
