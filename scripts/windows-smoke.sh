#!/usr/bin/env bash
# Builds a complete quorvel.exe with mingw-w64 against freeglut built from
# Debian's source package, runs it under Wine on a private Xvfb, and checks
# that its first frame's console lines and attributes equal the Linux
# build's. Needs root for the packages; nothing it builds is committed.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh test
missing=()
for p in wine64 dpkg-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# Source packages come from the same sources as the binary ones.
sources_added=""
if [ "$(scripts/enable-deb-src.sh)" != "deb-src: present" ]; then
  sources_added=yes
fi
if [ ${#missing[@]} -gt 0 ] || [ -n "$sources_added" ]; then
  apt-get update -qq
fi
if [ ${#missing[@]} -gt 0 ]; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi

top=$PWD/build-windows-full
mkdir -p "$top/src"
if [ ! -d "$top/src/freeglut" ]; then
  (cd "$top/src" && apt-get source -qq freeglut >/dev/null 2>&1 && mv freeglut-*/ freeglut)
fi
cmake -S "$top/src/freeglut" -B "$top/freeglut-build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release \
  -DFREEGLUT_BUILD_DEMOS=OFF -DFREEGLUT_BUILD_STATIC_LIBS=OFF -DFREEGLUT_BUILD_SHARED_LIBS=ON \
  -DCMAKE_INSTALL_PREFIX="$top/freeglut" >/dev/null
cmake --build "$top/freeglut-build" --target install >/dev/null

cmake -S . -B "$top/quorvel" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DQUORVEL_WERROR=ON \
  -DFreeGLUT_DIR="$top/freeglut/lib/cmake/FreeGLUT" \
  "-DCMAKE_EXE_LINKER_FLAGS=-static-libgcc -static-libstdc++ -static" >/dev/null
cmake --build "$top/quorvel" >/dev/null
mkdir -p "$top/run"
cp "$top/quorvel/quorvel.exe" "$top/freeglut/bin/libfreeglut.dll" "$top/run/"
echo "windows: linked $top/run/quorvel.exe"

# The Linux build and its headless runner, for the reference output.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build >/dev/null

export WINEPREFIX="$top/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[ -d "$WINEPREFIX" ] || xvfb-run -a wineboot -u >/dev/null 2>&1
# freeglut on Windows takes a DISPLAY variable for the name of a device
# context; under Wine it holds the X display, so name the screen instead.
cat > "$top/run/quorvel-wine" <<RUN
#!/bin/sh
cd "$top/run" && exec wine quorvel.exe -display DISPLAY
RUN
chmod +x "$top/run/quorvel-wine"

build/quorvel-headless build/quorvel "$top/linux.png" --first-block >"$top/linux.txt"
build/quorvel-headless "$top/run/quorvel-wine" "$top/wine.png" --first-block >"$top/wine.txt"
cat "$top/wine.txt"
if diff -u "$top/linux.txt" "$top/wine.txt"; then
  echo "windows: under Wine the first frame's console lines and attributes equal the Linux build's"
  echo "windows: screenshot $top/wine.png"
else
  echo "windows: the first frame differs from the Linux build's" >&2
  exit 1
fi
