#!/usr/bin/env bash
# Redraws the README's pictures under a virtual X display: docs/main-window.png (the
# demo QLX700-T connected over its pseudo-terminal, live values showing) and
# docs/pages/MODEL-PAGE.png, every page that `qlx700 --demo --open` can show.
# Needs a built tree (./test.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/test}
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
QLX700_DATA_DIR="$data" QLX700_SCREENSHOT="$PWD/docs/main-window.png" ASAN_OPTIONS=detect_leaks=0 \
  xvfb-run -a "$build/tests/gui/gui_tests" DemoConnectTest

mkdir -p docs/pages
rm -f docs/pages/*.png
for page in $("$build/gui/qlx700" --help | sed -n 's/^pages: //p'); do
  # A second lets the live values of a general page refresh once.
  QLX700_DATA_DIR="$data" ASAN_OPTIONS=detect_leaks=0 timeout 120 \
    xvfb-run -a "$build/gui/qlx700" --demo --open "$page" --screenshot "$PWD/docs/pages/${page/:/-}.png" --after 1200
done
