#!/usr/bin/env bash
# Installs what the game needs to build and run on Debian 12, as root.
set -euo pipefail
packages=(build-essential cmake ninja-build pkg-config
          qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-qpa-plugins
          libfontconfig-dev libgtest-dev fonts-dejavu-core xvfb xauth clang-format git
          clang libclang-rt-14-dev) # clang and libFuzzer only for tools/fuzz.sh
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
