#!/usr/bin/env bash
# Sets everything up on a fresh Debian/Ubuntu machine, builds, and starts the tool
# on simulated devices (qlx700 --demo), or the command-line demo where there is no display.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh

build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQLX700_TESTS=OFF
cmake --build "$build"

# The window needs a display; without one, show the command-line tool instead.
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$build/gui/qlx700" --demo
fi
echo "No display found (DISPLAY and WAYLAND_DISPLAY are unset): running the command-line demo."
echo "With a display, ./run.sh starts the window on simulated devices of every model."
echo
scripts/cli-demo.sh "$build"
