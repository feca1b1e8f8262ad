#!/usr/bin/env bash
# Builds the unit tests and the fuzz target with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer; runs the unit tests, then fuzzes whole display
# passes for QUORVEL_FUZZ_SECONDS (default 60) from the seed curves.
set -euo pipefail
cd "$(dirname "$0")/.."

dir=build-sanitize
san="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S . -B "$dir" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Release \
  -DQUORVEL_WERROR=ON -DQUORVEL_BENCH=OFF -DQUORVEL_FUZZ=ON \
  "-DCMAKE_CXX_FLAGS=$san -fsanitize=fuzzer-no-link" "-DCMAKE_EXE_LINKER_FLAGS=$san" >/dev/null
cmake --build "$dir" --target unit_tests console_tests analysis_fuzz >/dev/null

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
"$dir/tests/unit_tests" --gtest_brief=1 | tail -n 1
"$dir/tests/console_tests" --gtest_brief=1 | tail -n 1

corpus="$dir/corpus"
mkdir -p "$corpus"
cp tests/fuzz/seeds/*.bin "$corpus/"
seconds=${QUORVEL_FUZZ_SECONDS:-60}
"$dir/tests/analysis_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix="$dir/" "$corpus" 2>"$dir/fuzz.log" || {
  tail -n 40 "$dir/fuzz.log" >&2
  exit 1
}
grep -E "stat::number_of_executed_units|Done" "$dir/fuzz.log" | sed 's/^/fuzz: /'
