#!/usr/bin/env bash
# Uses a built QelBox tree the way another project would, and runs the
# result under Wine:
#   consumer.sh package BITS TREE SOURCE TOOLCHAIN [OTHER_TREE]
#     installs TREE (and first OTHER_TREE, the other architecture's tree,
#     when it has been built: both share one prefix) into a fresh prefix,
#     then builds tests/consumer/package with find_package(QelBox 1.0).
#   consumer.sh subdir BITS TREE SOURCE TOOLCHAIN
#     builds tests/consumer/subdir, which adds SOURCE with add_subdirectory,
#     and checks that only the library was built with it.
# The consumer's program is the C client of the test suite (tests/c_client.c).
# Its build directories stay between runs, so only changes are rebuilt.
set -euo pipefail
mode=$1 bits=$2 tree=$3 source=$4 toolchain=$5 other=${6:-}
cmake=${CMAKE:-cmake}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$tree/consumer/$mode
mkdir -p "$work"
configure=(-DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release)

case $mode in
package)
    prefix=$work/prefix
    rm -rf "$prefix"
    if [ -n "$other" ] && [ -f "$other/cmake_install.cmake" ] && ls "$other"/bin/qelbox*.dll >/dev/null 2>&1; then
        "$cmake" --install "$other" --prefix "$prefix" >/dev/null
    fi
    "$cmake" --install "$tree" --prefix "$prefix" >/dev/null
    for file in bin/qelbox$bits.dll lib/libqelbox$bits.dll.a include/qelbox.h \
        lib/cmake/QelBox/QelBoxConfig.cmake lib/cmake/QelBox/QelBoxConfigVersion.cmake \
        lib/cmake/QelBox/QelBoxTargets$bits.cmake; do
        [ -f "$prefix/$file" ] || { echo "not installed: $file"; exit 1; }
    done
    echo "installed to $prefix:" $(cd "$prefix" && find . -type f | sort)
    "$cmake" -S "$here/consumer/package" -B "$work/build" "${configure[@]}" \
        -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
    ;;
subdir)
    "$cmake" -S "$here/consumer/subdir" -B "$work/build" "${configure[@]}" \
        -DQELBOX_SOURCE_DIR="$source" >/dev/null
    ;;
*)
    echo "usage: consumer.sh package|subdir BITS TREE SOURCE TOOLCHAIN [OTHER_TREE]" >&2
    exit 2
    ;;
esac

"$cmake" --build "$work/build" -j 2 >"$work/build.log" 2>&1 || { cat "$work/build.log"; exit 1; }
if [ "$mode" = subdir ]; then
    # Tests and examples are off when QelBox is not the top-level project.
    extra=$(cd "$work/build" && find . -path '*/CMakeFiles' -prune -o \( -name '*.exe' ! -name consumer.exe -o -name googletest \) -print)
    [ -z "$extra" ] || { echo "built beyond the library:" $extra; exit 1; }
fi
[ -f "$work/build/qelbox$bits.dll" ] || { echo "qelbox$bits.dll not beside the program"; exit 1; }
WINEPREFIX=$tree/wine "$here/run_wine.sh" "$bits" "$work/build/consumer.exe"
