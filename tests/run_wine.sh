#!/usr/bin/env bash
# Runs one test program under Wine with the build tree's prefix and prints
# its output without the carriage returns of Wine's console.
#
# The output goes through a file, not a pipe: Wine's background services,
# when this program is the one that starts them, inherit the program's
# output and would keep a pipe open long after the program has ended.
exe=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
shift
build=$(cd "$(dirname "$exe")/.." && pwd)
cd "$build"
export WINEPREFIX=${WINEPREFIX:-$build/wine} WINEARCH=win32 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
log=$(mktemp)
wine "$exe" "$@" >"$log" 2>&1 </dev/null
status=$?
tr -d '\r' <"$log"
rm -f "$log"
exit $status
