#!/usr/bin/env bash
# Runs one test program under Wine with the build tree's prefix and prints
# its output without the carriage returns of Wine's console.
#   run_wine.sh BITS PROGRAM.exe [ARGS...]
# BITS is 32 or 64: which Wine runs the program (scripts/wine-env.sh).
#
# The output goes through a file, not a pipe: Wine's background services,
# when this program is the one that starts them, inherit the program's
# output and would keep a pipe open long after the program has ended.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
bits=$1
exe=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
shift 2
# The build tree: the nearest directory above the program with a CMake cache
# (programs live in bin/ or bin/testing/).
build=$(dirname "$exe")
while [ "$build" != / ] && [ ! -f "$build/CMakeCache.txt" ]; do build=$(dirname "$build"); done
cd "$build"
. "$here/../scripts/wine-env.sh" "$bits" "${WINEPREFIX:-$build/wine}"
log=$(mktemp)
"$WINE" "$exe" "$@" >"$log" 2>&1 </dev/null
status=$?
tr -d '\r' <"$log"
rm -f "$log"
exit $status
