#!/usr/bin/env bash
# Builds Quorvel with warnings as errors and runs every test: unit tests on
# the recording GL fake, end-to-end tests on private Xvfb servers, the
# compiler/optimisation fidelity check, the sanitizer and fuzzing runs, and
# a cross-compile of the Windows program.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh test
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVEL_WERROR=ON >/dev/null
cmake --build build
(cd build && ctest --output-on-failure -j2)
prefix=$(mktemp -d)
cmake --install build --prefix "$prefix" >/dev/null
test -x "$prefix/bin/quorvel" && echo "install: $prefix/bin/quorvel"
rm -rf "$prefix"
scripts/fidelity.sh
scripts/sanitize.sh
scripts/cross-windows.sh
