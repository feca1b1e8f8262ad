#!/usr/bin/env bash
# Builds the unit tests and the pass dump with gcc and clang, at -O0 and
# -O2, runs the tests in each build and checks that all four, and the pass
# dump compiled to WebAssembly and run under node, print the same analysis
# bytes for 20,000 curves.
set -euo pipefail
cd "$(dirname "$0")/.."

root=build-fidelity
reference=""
status=0
for compiler in g++ clang++; do
  for type in Debug Release; do
    dir="$root/${compiler%++}-$type"
    cmake -S . -B "$dir" -G Ninja -DCMAKE_CXX_COMPILER="$compiler" -DCMAKE_BUILD_TYPE="$type" \
      -DQUORVEL_WERROR=ON -DQUORVEL_BENCH=OFF >/dev/null
    cmake --build "$dir" --target unit_tests pass_dump >/dev/null
    "$dir/tests/unit_tests" --gtest_brief=1 | tail -n 1
    sum=$("$dir/tests/pass_dump" | sha256sum | cut -d' ' -f1)
    echo "fidelity: $compiler $type pass dump $sum"
    if [ -z "$reference" ]; then
      reference=$sum
    elif [ "$sum" != "$reference" ]; then
      echo "fidelity: $compiler $type differs from the first build" >&2
      status=1
    fi
  done
done
[ -f build-web/web/pass_dump.js ] || scripts/web-build.sh >/dev/null
sum=$(node build-web/web/pass_dump.js | sha256sum | cut -d' ' -f1)
echo "fidelity: emscripten WebAssembly under node pass dump $sum"
if [ "$sum" != "$reference" ]; then
  echo "fidelity: the WebAssembly build differs from the first build" >&2
  status=1
fi
exit $status
