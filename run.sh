#!/usr/bin/env bash
# Sets everything up on a fresh Debian/Ubuntu machine, builds, and starts the tool
# on simulated devices (qlx700 --demo), or the command-line demo where no window can
# be opened.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh

build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQLX700_TESTS=OFF
cmake --build "$build"

exec scripts/demo.sh "$build"
