#!/usr/bin/env bash
# Redraws docs/main-window.png: the demo QLX700-T connected over its pseudo-terminal,
# live values showing, under a virtual X display. Needs a built tree (./test.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/test}
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
QLX700_DATA_DIR="$data" QLX700_SCREENSHOT="$PWD/docs/main-window.png" ASAN_OPTIONS=detect_leaks=0 \
  xvfb-run -a "$build/tests/gui/gui_DemoConnectTest"
