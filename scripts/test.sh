#!/usr/bin/env bash
# Installs what is missing, builds the library and the tests for both
# architectures (build/win32: qelbox32.dll, build/win64: qelbox64.dll), and
# runs the whole test suite headless under Wine: the 32-bit suite under
# 32-bit Wine and the 64-bit suite under 64-bit Wine. On a host whose
# kernel cannot execute 32-bit programs, only the 64-bit suite runs under
# Wine (the 32-bit build is still compiled and its exports checked), and
# the output says so at the start and at the end. One CTest run covers
# every suite, so its summary line counts them all.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
. scripts/host-bits.sh
build=${QELBOX_BUILD_DIR:-build}
skipped=""
if [ "$QELBOX_RUN32" = 0 ]; then
    skipped="32-bit tests not run: this host's kernel cannot execute 32-bit programs"
fi
if [ "$QELBOX_RUN32" = 0 ] && [ "$QELBOX_RUN64" = 0 ]; then
    echo "Neither 32-bit nor 64-bit Wine can run on this host: no test can run." >&2
    exit 1
fi
[ -z "$skipped" ] || echo "$skipped"
echo "Suites: 32-bit under Wine: $([ "$QELBOX_RUN32" = 1 ] && echo yes || echo no)," \
    "64-bit under Wine: $([ "$QELBOX_RUN64" = 1 ] && echo yes || echo no)"

for arch in "32 i686" "64 x86_64"; do
    set -- $arch
    cmake -S . -B "$build/win$1" -DCMAKE_TOOLCHAIN_FILE="cmake/mingw-$2.cmake" \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$build/win$1" -j "$(nproc)"
done

# One CTest tree over both builds.
exclude=()
{
    echo "# Both architectures' tests (written by scripts/test.sh)."
    echo 'subdirs("win32")'
    echo 'subdirs("win64")'
} >"$build/CTestTestfile.cmake"

servers=()
for bits in 32 64; do
    run=QELBOX_RUN$bits
    if [ "${!run}" = 0 ]; then
        exclude+=(-LE "wine$bits")
        continue
    fi
    prefix=$PWD/$build/win$bits/wine
    scripts/wine-prefix.sh "$bits" "$prefix" null
    # One persistent server and Wine's services started once, detached from
    # any test's output, so that each test program starts quickly.
    (
        . scripts/wine-env.sh "$bits" "$prefix"
        "$WINESERVER" -p 60 || true
        "$WINE" cmd /c exit >/dev/null 2>&1 </dev/null || true
    )
    servers+=("$bits")
done

status=0
(cd "$build" && ctest --output-on-failure --timeout 600 "${exclude[@]}") || status=$?
for bits in "${servers[@]}"; do
    (. scripts/wine-env.sh "$bits" "$PWD/$build/win$bits/wine" && "$WINESERVER" -k || true)
done
[ -z "$skipped" ] || echo "$skipped"
exit $status
