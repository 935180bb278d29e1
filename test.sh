#!/usr/bin/env bash
# Sets everything up on a fresh Debian/Ubuntu machine and runs every test
# (unit, integration against the simulator, GUI views offscreen, fuzz corpora)
# under AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh --tests

build=build/test
# Debug (-O0 -g): the sanitizers need no optimisation, and the build is the long part.
# A unity build compiles eight files as one, so the headers are parsed once per batch;
# names in the anonymous namespaces of one library's files must therefore differ.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_UNITY_BUILD=ON \
  -DQLX700_SANITIZE=ON -DQLX700_TESTS=ON -DQLX700_BENCH=ON
cmake --build "$build"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
cd "$build"
# Most tests wait on a simulated device's replies and time-outs rather than compute,
# so twice as many run at once as there are processors. `ctest -L unit` (or
# integration, sim, programs, gui, fuzz) runs one area.
ctest --output-on-failure -j "$(( 2 * $(nproc) ))" --timeout 300 "$@"
