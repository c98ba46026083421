#!/usr/bin/env bash
# Installs what is missing, builds the library and the demo, and runs the
# demo under Wine. With a display it opens the demo window; without one it
# runs under Xvfb and saves a screenshot of the window to
# build/demo-screenshot.png (or the path given as the first argument).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build=${QELBOX_BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" -j "$(nproc)" --target qelbox_demo
# The demo uses Wine's normal display driver, so it gets its own prefix.
export WINEPREFIX=$PWD/$build/wine-demo WINEARCH=win32 WINEDEBUG=-all
demo=$build/bin/qelbox_demo.exe
if [ -n "${DISPLAY:-}" ] && [ -z "${QELBOX_HEADLESS:-}" ]; then
    scripts/wine-prefix.sh "$WINEPREFIX" x11
    wine "$demo"
else
    shot=$(realpath -m "${1:-$build/demo-screenshot.png}")
    xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
        scripts/wine-prefix.sh "$WINEPREFIX" x11
        wine "$1" --screenshot "$(winepath -w "$2")"
        wineserver -w' demo "$demo" "$shot"
    echo "Screenshot: $shot"
fi
