#!/usr/bin/env bash
# Installs what is missing, builds the library and the tests, and runs the
# whole test suite under Wine (headless).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build=${QELBOX_BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" -j "$(nproc)"
scripts/wine-prefix.sh "$PWD/$build/wine" null
export WINEPREFIX=$PWD/$build/wine WINEARCH=win32 WINEDEBUG=-all
# One persistent server and Wine's services started once, detached from
# any test's output, so that each test program starts quickly.
wineserver -p 60 || true
wine cmd /c exit >/dev/null 2>&1 </dev/null || true
status=0
(cd "$build" && ctest --output-on-failure --timeout 600) || status=$?
wineserver -k || true
exit $status
