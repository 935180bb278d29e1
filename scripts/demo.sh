#!/usr/bin/env bash
# Starts the window on simulated devices (qlx700 --demo) from BUILD_DIR, or, where no
# window can be opened, says why in one line and runs the command-line demo instead
# (Qt itself would abort there). Usage: scripts/demo.sh [BUILD_DIR]
set -euo pipefail
build=${1:-build/release}

# Why the window cannot open; nothing when it can.
no_window_reason() {
  if [ ! -x "$build/gui/qlx700" ]; then
    echo "the window was not built: Qt 6 is missing"
  elif [ -z "${DISPLAY:-}" ]; then
    echo "DISPLAY is not set"
  elif ! command -v xdpyinfo >/dev/null; then
    echo "xdpyinfo, which checks the display, is missing: run scripts/install-deps.sh"
  elif ! xdpyinfo >/dev/null 2>&1; then
    echo "the display $DISPLAY does not answer"
  fi
}

reason=$(no_window_reason)
if [ -z "$reason" ]; then
  exec "$build/gui/qlx700" --demo
fi
echo "No window ($reason): running the command-line demo."
exec "$(dirname "$0")/cli-demo.sh" "$build"
