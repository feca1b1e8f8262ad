#!/usr/bin/env bash
# Installs the Debian packages Quorvel needs, when any is missing:
#   deps.sh run    to build and run it (with a virtual display if need be)
#   deps.sh web    to build the web page with emscripten
#   deps.sh test   all of that, and the test libraries, the second
#                  compiler, sanitizer runtimes, the Windows cross-compiler,
#                  Wine, Debian's source-package tools and Chromium that the
#                  tests use
# Needs root only when something must be installed.
set -euo pipefail

mode=${1:-test}
run=(cmake ninja-build g++ pkg-config freeglut3-dev libglu1-mesa-dev libgl1-mesa-dri
     xvfb libx11-dev libxtst-dev)
web=(emscripten node-acorn nodejs)
case "$mode" in
  run) packages=("${run[@]}") ;;
  web) packages=(cmake ninja-build "${web[@]}") ;;
  test)
    packages=("${run[@]}" "${web[@]}" libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
              g++-mingw-w64-x86-64 wine wine64 dpkg-dev chromium)
    ;;
  *) echo "deps: unknown mode $mode (run, web or test)" >&2; exit 2 ;;
esac
# npm comes with some builds of node; Debian's node needs Debian's npm.
if [ "$mode" = test ] && ! command -v npm >/dev/null; then
  packages+=(npm)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "deps: missing packages: ${missing[*]} (run as root to install them)" >&2
  exit 1
fi
echo "deps: installing ${missing[*]}"
apt-get update -qq
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
