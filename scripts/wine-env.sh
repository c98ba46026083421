# Sourced: sets up the environment for running QelBox programs under Wine.
#   . scripts/wine-env.sh BITS PREFIX
# BITS 32 runs 32-bit programs in a 32-bit prefix through Debian's `wine`;
# BITS 64 runs 64-bit programs in a 64-bit prefix through the 64-bit loader
# directly, which works also on hosts whose kernel cannot execute 32-bit
# programs (there Debian's `wine` wrapper picks the 32-bit loader and fails).
# Exports WINEPREFIX, WINEARCH, WINEDEBUG, WINEDLLOVERRIDES, and sets WINE
# (the loader) and WINESERVER.
qelbox_bits=$1
export WINEPREFIX=$2 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ "$qelbox_bits" = 64 ]; then
    export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64
    WINE=/usr/lib/wine/wine64
else
    export WINEARCH=win32
    unset WINELOADER
    WINE=wine
fi
WINESERVER=/usr/lib/wine/wineserver
[ -x "$WINESERVER" ] || WINESERVER=wineserver
