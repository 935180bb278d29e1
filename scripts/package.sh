#!/usr/bin/env bash
# Builds the Debian package qlx700_<version>_<arch>.deb from an optimised build.
#   scripts/package.sh [BUILD_DIR]   (default build/release; the package lands there)
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh --package

build=${1:-build/release}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQLX700_TESTS=OFF
cmake --build "$build"
(cd "$build" && cpack --config CPackConfig.cmake)

package=$(realpath "$(ls -t "$build"/qlx700_*.deb | head -n 1)")
echo "Install it with: sudo apt install $package"
