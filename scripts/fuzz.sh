#!/usr/bin/env bash
# Builds every fuzz target (fuzz/fuzz_*.cpp) with clang-14, libFuzzer, AddressSanitizer
# and UBSan, and runs each for a number of executions.
#
#   scripts/fuzz.sh [RUNS] [MAX_SECONDS] [TARGET...]
#
# RUNS defaults to 2000000 executions per target, MAX_SECONDS (a cap per target) to
# 900. TARGET names (fuzz_async_frame, ...) pick targets; default: all. New inputs go
# to build/fuzz/corpus/TARGET, the seed corpora in fuzz/corpus/ stay as they are, and
# a finding is written to build/fuzz/artifacts/ and ends the script with status 1.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh" --tests
build="${QLX700_FUZZ_BUILD:-$root/build/fuzz}"
runs="${1:-2000000}"
seconds="${2:-900}"
shift $(( $# > 2 ? 2 : $# ))

sanitizers="address,undefined"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++-14 \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,$sanitizers -fno-sanitize-recover=undefined" \
  -DQLX700_TESTS=OFF >/dev/null
cmake --build "$build" --target qlx700core -j2

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for src in "$root"/fuzz/fuzz_*.cpp; do
    targets+=("$(basename "$src" .cpp)")
  done
fi

mkdir -p "$build/artifacts"
status=0
for t in "${targets[@]}"; do
  exe="$build/$t"
  clang++-14 -std=c++20 -O1 -g -pthread -fsanitize=fuzzer,$sanitizers -fno-sanitize-recover=undefined \
    -I "$root/src" "$root/fuzz/$t.cpp" "$build/src/libqlx700core.a" -o "$exe"
  mkdir -p "$build/corpus/$t"
  log="$build/$t.log"
  # Configuration, settings and calibration files are read up to 1 MiB.
  maxlen=()
  [ "$t" = fuzz_ini ] && maxlen=(-max_len=1048576)
  echo "fuzz: $t, up to $runs runs or $seconds s"
  if ! "$exe" "${maxlen[@]}" -runs="$runs" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$build/artifacts/$t-" "$build/corpus/$t" "$root/fuzz/corpus/$t" >"$log" 2>&1; then
    echo "fuzz: $t FOUND A FAULT, see $log and $build/artifacts/"
    status=1
    continue
  fi
  executed="$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)"
  echo "fuzz: $t ran ${executed:-?} executions without a finding"
done
exit $status
