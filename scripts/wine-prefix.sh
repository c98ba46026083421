#!/usr/bin/env bash
# Creates a Wine prefix for QelBox programs, if it does not exist yet.
#   scripts/wine-prefix.sh BITS DIR [null|x11] [heapcheck]
# BITS 32 makes a 32-bit prefix, 64 a 64-bit one (scripts/wine-env.sh).
# "null" selects Wine's headless display driver (tests); "x11" keeps the
# normal driver (the demo). Crash dialogs are switched off so that a
# crashing program ends instead of waiting in the debugger. "heapcheck" sets
# the system-wide GlobalFlag for heap tail and free checking (0x30): freed
# blocks are filled, so that a use after free faults at once.
set -euo pipefail
bits=$1
prefix=$2
driver=${3:-null}
heapcheck=${4:-}
. "$(dirname "$0")/wine-env.sh" "$bits" "$prefix"
if [ ! -f "$prefix/.qelbox-ready-$driver" ]; then
    rm -rf "$prefix"
    mkdir -p "$(dirname "$prefix")"
    # In a 64-bit prefix on a host without 32-bit support wineboot reports
    # that some services failed to start; windows, messages and GDI work.
    "$WINE" wineboot -i >/dev/null 2>&1 || true
    "$WINESERVER" -w
    reg() { "$WINE" reg add "$@" /f >/dev/null 2>&1; }
    reg 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d false
    reg 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Auto /d 0
    if [ "$driver" = null ]; then
        reg 'HKCU\Software\Wine\Drivers' /v Graphics /d null
    fi
    if [ "$heapcheck" = heapcheck ]; then
        reg 'HKLM\System\CurrentControlSet\Control\Session Manager' /v GlobalFlag \
            /t REG_DWORD /d 0x30
    fi
    "$WINESERVER" -w
    touch "$prefix/.qelbox-ready-$driver"
fi
