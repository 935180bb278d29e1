#!/usr/bin/env bash
# Starts a simulated QLX700-T on a pseudo-terminal and on loopback TCP, then shows
# what qlx700ctl reads from it, each command printed as it can be pasted.
#   scripts/cli-demo.sh BUILD_DIR   the programs of that build, printed with full paths
#   scripts/cli-demo.sh             the installed programs when they are on PATH,
#                                   otherwise those of build/release
set -euo pipefail
if [ $# -gt 0 ]; then
  build=$(cd "$1" && pwd)
elif command -v qlx700ctl >/dev/null && command -v qlx700-sim >/dev/null; then
  build=""
else
  build=$(cd "$(dirname "$0")/../build/release" && pwd)
fi
if [ -n "$build" ]; then
  sim="$build/sim/qlx700-sim"
  ctl="$build/cli/qlx700ctl"
else
  sim=qlx700-sim
  ctl=qlx700ctl
fi

# Prints a command the way a shell takes it back.
print_command() {
  printf '$'
  printf ' %q' "$@"
  printf '\n'
}

show() {
  print_command "$@"
  "$@"
}

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
show "$ctl" --serial "$serial" info
echo
echo "# the winding temperatures, in tenths of a degree plus 1500"
show "$ctl" --tcp "$tcp" --password QWKZ read 501 3
echo
show "$ctl" --tcp "$tcp" --password QWKZ monitor --count 3
echo
echo "To go on by hand, start a simulated device in one terminal (Ctrl+C stops it):"
print_command "$sim" --model T --preset t-demo --tcp 127.0.0.1:43101
echo "and ask it from another:"
print_command "$ctl" --tcp 127.0.0.1 --password QWKZ monitor
