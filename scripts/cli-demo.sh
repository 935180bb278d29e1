#!/usr/bin/env bash
# Starts a simulated QLX700-T on a pseudo-terminal and on loopback TCP, then shows
# what qlx700ctl reads from it. Usage: scripts/cli-demo.sh BUILD_DIR
set -euo pipefail
build=${1:-build/release}
sim="$build/sim/qlx700-sim"
ctl="$build/cli/qlx700ctl"

work=$(mktemp -d)
sim_pid=""
trap '[ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null; rm -rf "$work"' EXIT

# The simulator prints one "listening KIND WHERE" line per transport once it serves.
exec {simout}< <(exec "$sim" --model T --preset t-demo --serial-link "$work/ttyQLX700" --tcp 127.0.0.1:0)
sim_pid=$!
serial="" tcp=""
while [ -z "$serial" ] || [ -z "$tcp" ]; do
  read -r -u "$simout" -t 10 word kind where || { echo "the simulator did not start" >&2; exit 1; }
  [ "$word" = listening ] || continue
  case "$kind" in
    serial) serial=$where ;;
    tcp) tcp=$where ;;
  esac
done

echo "Simulated QLX700-T on serial $serial and TCP $tcp (password QWKZ)."
echo
echo "\$ qlx700ctl --serial $serial info"
"$ctl" --serial "$serial" info
echo
echo "\$ qlx700ctl --tcp $tcp --password QWKZ read 501 3    # winding temperatures, tenths + 1500"
"$ctl" --tcp "$tcp" --password QWKZ read 501 3
echo
echo "\$ qlx700ctl --tcp $tcp --password QWKZ monitor --count 3"
"$ctl" --tcp "$tcp" --password QWKZ monitor --count 3
