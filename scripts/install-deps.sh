#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, if missing.
set -euo pipefail
packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-dejavu-core fontconfig
    xvfb xauth x11-utils
    poppler-utils
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
