#!/usr/bin/env bash
# Installs what is missing, builds the library and an example, and runs it
# under Wine: the 32-bit build where this host can run 32-bit programs,
# else the 64-bit build.
#   scripts/demo.sh [demo|dialog|fonts] [SCREENSHOT.png]
# demo (the default) shows one control of each type, dialog a dialog built
# from a resource template, fonts a font dialog made of three controls.
# With a display the example's window opens; without one (or with
# QELBOX_HEADLESS=1) it runs under Xvfb and saves a screenshot of its window
# to build/NAME-screenshot.png, or to the path given.
set -euo pipefail
cd "$(dirname "$0")/.."
example=demo
case "${1:-}" in
demo | dialog | fonts) example=$1; shift ;;
*.png | "") ;;
*) echo "usage: scripts/demo.sh [demo|dialog|fonts] [SCREENSHOT.png]" >&2; exit 2 ;;
esac
scripts/setup.sh
. scripts/host-bits.sh
build=${QELBOX_BUILD_DIR:-build}
if [ "$QELBOX_RUN32" = 1 ]; then
    bits=32 arch=i686
elif [ "$QELBOX_RUN64" = 1 ]; then
    bits=64 arch=x86_64
    echo "This host cannot execute 32-bit programs: running the 64-bit demo."
else
    echo "Neither 32-bit nor 64-bit Wine can run on this host." >&2
    exit 1
fi
tree=$build/win$bits
cmake -S . -B "$tree" -DCMAKE_TOOLCHAIN_FILE="cmake/mingw-$arch.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$tree" -j "$(nproc)" --target qelbox_$example
# The examples use Wine's normal display driver, so they get their own prefix.
prefix=$PWD/$tree/wine-demo
demo=$tree/bin/qelbox_$example.exe
if [ -n "${DISPLAY:-}" ] && [ -z "${QELBOX_HEADLESS:-}" ]; then
    scripts/wine-prefix.sh "$bits" "$prefix" x11
    . scripts/wine-env.sh "$bits" "$prefix"
    "$WINE" "$demo"
else
    shot=$(realpath -m "${1:-$build/$example-screenshot.png}")
    xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
        scripts/wine-prefix.sh "$1" "$2" x11
        . scripts/wine-env.sh "$1" "$2"
        "$WINE" "$3" --screenshot "$("$WINE" winepath -w "$4" 2>/dev/null | tr -d "\r")"
        "$WINESERVER" -w' demo "$bits" "$prefix" "$demo" "$shot"
    echo "Screenshot: $shot"
fi
