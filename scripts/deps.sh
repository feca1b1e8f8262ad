#!/usr/bin/env bash
# Installs the Debian packages Quorvel needs, when any is missing:
#   deps.sh run    to build and run it (with a virtual display if need be)
#   deps.sh web    to build the web page with emscripten
#   deps.sh test   also the second compiler, sanitizer runtimes, the
#                  Windows cross-compiler, Wine and Debian's source-package
#                  tools that the tests use
# Needs root only when something must be installed.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  freeglut3-dev libglu1-mesa-dev libgl1-mesa-dri
  xvfb libx11-dev libxtst-dev
  libgtest-dev libbenchmark-dev
)
if [ "${1:-test}" = web ]; then
  packages=(cmake ninja-build emscripten node-acorn nodejs)
fi
if [ "${1:-test}" = test ]; then
  packages+=(clang libclang-rt-14-dev g++-mingw-w64-x86-64 wine wine64 dpkg-dev)
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
