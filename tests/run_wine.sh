#!/usr/bin/env bash
# Runs one test program under Wine with the build tree's prefix; strips the
# carriage returns of Wine's console output.
set -o pipefail
exe=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
shift
build=$(cd "$(dirname "$exe")/.." && pwd)
# qelbox32.dll lies in the build directory, not beside the programs: run
# there so that the loader finds it in the current directory.
cd "$build"
export WINEPREFIX=${WINEPREFIX:-$build/wine} WINEARCH=win32 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
wine "$exe" "$@" 2>&1 | tr -d '\r'
