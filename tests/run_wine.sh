#!/usr/bin/env bash
# Runs one test program under Wine with the build tree's prefix; strips the
# carriage returns of Wine's console output.
set -o pipefail
exe=$1
shift
build=$(cd "$(dirname "$exe")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$build/wine} WINEARCH=win32 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
wine "$exe" "$@" 2>&1 | tr -d '\r'
