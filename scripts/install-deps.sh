#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Mirvo need, when missing.
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev libqt6sql6-sqlite libgl1-mesa-dev
          fonts-liberation2 fonts-comic-neue xvfb poppler-utils libbenchmark-dev
          libqt6sql6-psql libpq-dev postgresql)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
