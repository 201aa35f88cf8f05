#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program; arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
BUILD_DIR=${BUILD_DIR:-build}
if [ -x "$BUILD_DIR/app/brenvik" ]; then
    exec "$BUILD_DIR/app/brenvik" "$@"
else
    exec "$BUILD_DIR/cli/brenvik-cli" "${@:---help}"
fi
