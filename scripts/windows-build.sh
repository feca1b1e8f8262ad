#!/usr/bin/env bash
# Builds the complete Windows program with Debian's mingw-w64: freeglut from
# Debian's source package (built once per version and kept in a cache
# outside the clone), quorvel.exe, and the distributable
# quorvel-windows-x86_64.zip made by CPack. Prepares the Wine prefix that
# scripts/quorvel-wine.sh runs it in. Prints what it made.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh test
cache=${QUORVEL_CACHE:-${XDG_CACHE_HOME:-${HOME:-/root}/.cache}/quorvel}
toolchain=$PWD/cmake/mingw-w64-x86_64.cmake
version=$(dpkg-query -W -f='${source:Version}' freeglut3-dev)
key=$(printf '%s' "$version" | tr -c 'A-Za-z0-9.\n' '_')-$(sha256sum "$toolchain" | cut -c1-8)
freeglut=$cache/freeglut-$key

if [ ! -f "$freeglut/lib/cmake/FreeGLUT/FreeGLUTConfig.cmake" ]; then
  if [ "$(scripts/enable-deb-src.sh)" != "deb-src: present" ] ||
     ! apt-cache showsrc freeglut 2>/dev/null | grep -q "^Version: $version\$"; then
    apt-get update -qq
  fi
  work=$(mktemp -d)
  (cd "$work" && apt-get source -qq "freeglut=$version" >/dev/null 2>&1)
  src=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'freeglut-*' | head -n 1)
  cmake -S "$src" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DFREEGLUT_BUILD_DEMOS=OFF -DFREEGLUT_BUILD_STATIC_LIBS=OFF \
    -DFREEGLUT_BUILD_SHARED_LIBS=ON -DCMAKE_INSTALL_PREFIX="$freeglut.tmp" >/dev/null
  cmake --build "$work/build" --target install >/dev/null
  rm -rf "$freeglut" && mv "$freeglut.tmp" "$freeglut"
  rm -rf "$work"
  echo "windows: built freeglut $version with mingw-w64 into $freeglut"
fi

dir=build-windows-full
cmake -S . -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
  -DQUORVEL_WERROR=ON -DFreeGLUT_DIR="$freeglut/lib/cmake/FreeGLUT" >/dev/null
cmake --build "$dir"
(cd "$dir" && cpack -G ZIP >/dev/null)
echo "windows: linked $PWD/$dir/quorvel.exe"
echo "windows: packed $PWD/$dir/quorvel-windows-x86_64.zip"

export WINEPREFIX=$cache/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  xvfb-run -a wineboot -i </dev/null >/dev/null 2>&1
  wineserver -w
  echo "windows: made the Wine prefix $WINEPREFIX"
fi
