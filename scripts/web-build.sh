#!/usr/bin/env bash
# Builds the web page with Debian's emscripten: build-web/quorvel.html, one
# file with the WebAssembly embedded, which opens from disk. Also builds
# the pass dump and the timing tool that run the same core under node.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh web
# Debian's emscripten runs with Debian's python and finds node's acorn
# among Debian's node modules, whichever node is first on PATH.
export PATH="/usr/bin:$PATH"
export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"
log=$(mktemp)
# emcmake names the configure command it runs; only a failure is shown.
if ! emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVEL_WERROR=ON \
     >"$log" 2>&1; then
  cat "$log" >&2
  rm -f "$log"
  exit 1
fi
rm -f "$log"
cmake --build build-web
echo "web: $PWD/build-web/quorvel.html"
