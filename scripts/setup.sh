#!/usr/bin/env bash
# Installs what building and testing QelBox needs on Debian 12, if missing:
# both MinGW-w64 cross compilers (32-bit and 64-bit, posix threads), CMake,
# GoogleTest sources, 32-bit and 64-bit Wine, and Xvfb. Safe to run again;
# does nothing when everything is there. 32-bit Wine is installed also on
# hosts that cannot execute 32-bit programs; the scripts then run the
# 64-bit programs only.
set -euo pipefail

need=()
command -v i686-w64-mingw32-g++-posix >/dev/null || need+=(g++-mingw-w64-i686-posix mingw-w64-i686-dev)
command -v x86_64-w64-mingw32-g++-posix >/dev/null || need+=(g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev)
command -v cmake >/dev/null || need+=(cmake)
command -v python3 >/dev/null || need+=(python3)
command -v make >/dev/null || need+=(make)
[ -f /usr/src/googletest/CMakeLists.txt ] || need+=(googletest)
[ -x /usr/lib/wine/wine64 ] || need+=(wine wine64)
dpkg -s wine32:i386 >/dev/null 2>&1 || need+=(wine32:i386)
command -v xvfb-run >/dev/null || need+=(xvfb xauth)
[ ${#need[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
export DEBIAN_FRONTEND=noninteractive

echo "Installing: ${need[*]}"
dpkg --print-foreign-architectures | grep -qx i386 || $SUDO dpkg --add-architecture i386
$SUDO apt-get update || true
if ! $SUDO apt-get install -y --no-install-recommends "${need[@]}"; then
    # A security-suite index that is out of step between amd64 and i386
    # leaves the i386 twins of some libraries unavailable: take both
    # architectures from the main suite.
    echo "Retrying with the security suite pinned down"
    printf 'Package: *\nPin: release l=Debian-Security\nPin-Priority: 100\n' |
        $SUDO tee /etc/apt/preferences.d/qelbox-security-pin >/dev/null
    $SUDO apt-get update || true
    $SUDO apt-get install -y --no-install-recommends "${need[@]}"
fi
