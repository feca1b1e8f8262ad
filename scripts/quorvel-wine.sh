#!/bin/sh
# Starts the Windows build of Quorvel under Wine, so that the end-to-end
# tests can start it in place of the Linux build (QUORVEL_PROGRAM).
#   QUORVEL_EXE   the quorvel.exe to run
#   WINEPREFIX    a Wine prefix made by scripts/windows-build.sh
# Where Wine differs from Windows, it is handled here, never in the program:
# - Wine's helper processes (services, device drivers) are started by the
#   first program of a prefix and inherit its standard output, so a pipe or
#   terminal the program wrote to would never reach its end. They are
#   started here first, with no standard streams of the program's.
# - freeglut on Windows reads a DISPLAY variable as the name of a device
#   context; under Wine it holds the X display, so the program is given
#   GLUT's own option naming the screen ("DISPLAY") instead.
set -e
exe=${QUORVEL_EXE:?QUORVEL_EXE names the quorvel.exe to run}
export WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="mscoree,mshtml="
wineserver -p 120 </dev/null >/dev/null 2>&1 || true
wine wineboot </dev/null >/dev/null 2>&1
cd "$(dirname "$exe")"
exec wine "./$(basename "$exe")" -display DISPLAY
