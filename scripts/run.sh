#!/usr/bin/env bash
# Builds Quorvel and runs it. With a display it opens the window; without
# one it runs on a virtual display, prints the console text of the first
# frames and saves a screenshot.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh run
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build

if [ -n "${DISPLAY:-}" ]; then
  exec build/quorvel
fi
exec build/quorvel-headless build/quorvel build/screenshot.png
