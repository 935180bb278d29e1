#!/usr/bin/env bash
# Builds the benchmarks optimised (no sanitizers) and runs them; figures go into
# bench/README.md by hand, with the machine they were measured on.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh --tests
build=build/bench
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQLX700_TESTS=OFF -DQLX700_BENCH=ON
cmake --build "$build"
for b in "$build"/bench/bench_*; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  "$b" "$@"
done
