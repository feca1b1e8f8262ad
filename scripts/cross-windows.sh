#!/usr/bin/env bash
# Compiles every source of the Windows program, the Windows-only files
# among them, with Debian's mingw-w64 cross-compiler and warnings as errors.
# Nothing is linked: GLUT's headers come from the system's freeglut package.
set -euo pipefail
cd "$(dirname "$0")/.."

dir=build-windows
mkdir -p "$dir/glut-include/GL"
cp /usr/include/GL/glut.h /usr/include/GL/freeglut*.h "$dir/glut-include/GL/"
cmake -S . -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DQUORVEL_WERROR=ON -DQUORVEL_OBJECTS_ONLY=ON \
  -DQUORVEL_GLUT_INCLUDE_DIR="$PWD/$dir/glut-include" >/dev/null
cmake --build "$dir"
echo "windows: compiled $(find "$dir" -name '*.obj' | wc -l) object files with $(x86_64-w64-mingw32-g++ --version | head -n 1)"
