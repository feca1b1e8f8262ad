#!/usr/bin/env bash
# Builds Quorvel with warnings as errors and runs every test: unit tests on
# the recording GL fake; end-to-end tests on private Xvfb servers against
# the Linux build and against the Windows build under Wine (as unzipped from
# its package); the web page in headless Chromium; the fidelity check of
# compilers, optimisation levels and the WebAssembly build; and the
# sanitizer and fuzzing runs.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh test
# freeglut's Windows build and the Wine prefix are kept here between runs.
export QUORVEL_CACHE=${QUORVEL_CACHE:-${XDG_CACHE_HOME:-${HOME:-/root}/.cache}/quorvel}
scripts/windows-build.sh
package=$PWD/build/windows-package
rm -rf "$package" && mkdir -p "$package"
(cd "$package" && cmake -E tar xf ../../build-windows-full/quorvel-windows-x86_64.zip)
echo "windows: unzipped $(ls "$package" | tr '\n' ' ')into $package"

scripts/web-build.sh
(cd tests/web && npm ci --no-audit --no-fund --loglevel=error)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVEL_WERROR=ON \
  -DQUORVEL_TESTS=ON -DQUORVEL_BENCH=ON \
  -DQUORVEL_WINE_EXE="$package/quorvel.exe" -DQUORVEL_WINE_PREFIX="$QUORVEL_CACHE/wineprefix" \
  -DQUORVEL_WEB_PAGE="$PWD/build-web/quorvel.html" >/dev/null
cmake --build build
(cd build && ctest --output-on-failure -j2)
prefix=$(mktemp -d)
cmake --install build --prefix "$prefix" >/dev/null
test -x "$prefix/bin/quorvel" && echo "install: $prefix/bin/quorvel"
rm -rf "$prefix"
scripts/fidelity.sh
scripts/sanitize.sh
