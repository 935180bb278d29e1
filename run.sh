#!/usr/bin/env bash
# Sets everything up on a fresh Debian/Ubuntu machine, builds, and starts the tool.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh

build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQLX700_TESTS=OFF
cmake --build "$build"

scripts/cli-demo.sh "$build"
