#!/usr/bin/env bash
# Installs what is missing, builds, installs the program into ./installiert
# (main settings file, program root, program folder) and starts it; arguments
# go to the program. The data root and its log folder are created on the
# first start (default ~/.local/share/Kelvanta).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
BUILD_DIR=${BUILD_DIR:-build}
PREFIX=${PREFIX:-$PWD/installiert}
cmake --install "$BUILD_DIR" --prefix "$PREFIX" >/dev/null
exec "$PREFIX/bin/brenvik" "$@"
