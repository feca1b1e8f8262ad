#!/usr/bin/env bash
# Builds Quorvel and runs it. With a display it opens the window; without
# one it runs on a virtual display, prints the console text of the first
# frames and saves a screenshot. Builds only what running needs.
#   run.sh         the desktop program
#   run.sh --web   the web page instead: builds build-web/quorvel.html, one
#                  file that opens from disk in a browser, and prints its path
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" = --web ]; then
  scripts/web-build.sh >/dev/null
  echo "Open this file in a browser: $PWD/build-web/quorvel.html"
  exit 0
fi

scripts/deps.sh run
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVEL_TESTS=OFF \
  -DQUORVEL_BENCH=OFF >/dev/null
cmake --build build --target quorvel quorvel-headless

if [ -n "${DISPLAY:-}" ]; then
  exec build/quorvel
fi
exec build/quorvel-headless build/quorvel build/screenshot.png
