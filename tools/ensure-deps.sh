#!/bin/sh
# Installs whatever the build, the unit tests and the Wine end-to-end tests
# need and this machine lacks, then makes the zh_CN.UTF-8 locale that gives
# Wine code page 936.  Safe to run again: it only acts on what is missing.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
missing=""

need() { # need COMMAND-OR-PATH PACKAGE
    case "$1" in
        /*) [ -e "$1" ] || missing="$missing $2" ;;
        *) command -v "$1" >/dev/null 2>&1 || missing="$missing $2" ;;
    esac
}

need cmake cmake
need ninja ninja-build
need g++ g++
need i686-w64-mingw32-g++ g++-mingw-w64-i686
need i686-w64-mingw32-windres binutils-mingw-w64-i686
need wine wine
need /usr/lib/wine/wineserver32 wine32
need Xvfb xvfb
need /usr/include/gtest/gtest.h libgtest-dev
need /usr/share/i18n/locales/zh_CN locales
need localedef locales
need ip iproute2
need unshare util-linux
need python3 python3
need /usr/share/fonts/truetype/wqy/wqy-microhei.ttc fonts-wqy-microhei

if [ -n "$missing" ]; then
    echo "installing:$missing"
    if [ "$(id -u)" -ne 0 ]; then
        echo "ensure-deps: root is needed to install$missing" >&2
        exit 1
    fi
    case "$missing" in
        *wine32*) dpkg --add-architecture i386 ;;
    esac
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    # shellcheck disable=SC2086
    apt-get install -y -qq $missing >/dev/null
fi

# A private locale directory keeps the system's locale archive untouched.
locdir="$root/build/locale"
if [ ! -d "$locdir/zh_CN.UTF-8" ]; then
    mkdir -p "$locdir"
    localedef -i zh_CN -f UTF-8 "$locdir/zh_CN.UTF-8" 2>/dev/null || [ -d "$locdir/zh_CN.UTF-8" ]
fi
