#!/usr/bin/env bash
# Creates a 32-bit Wine prefix for QelBox programs, if it does not exist yet.
#   scripts/wine-prefix.sh DIR [null|x11]
# "null" selects Wine's headless display driver (tests); "x11" keeps the
# normal driver (the demo). Crash dialogs are switched off so that a
# crashing program ends instead of waiting in the debugger.
set -euo pipefail
prefix=$1
driver=${2:-null}
export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$prefix/.qelbox-ready-$driver" ]; then
    rm -rf "$prefix"
    mkdir -p "$(dirname "$prefix")"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
        /v Debugger /d false /f >/dev/null 2>&1
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
        /v Auto /d 0 /f >/dev/null 2>&1
    if [ "$driver" = null ]; then
        wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
    fi
    wineserver -w
    touch "$prefix/.qelbox-ready-$driver"
fi
