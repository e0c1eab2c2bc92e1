#!/usr/bin/env bash
# Builds and tests the Windows program on Debian: installs the MinGW-w64 cross compiler, Wine and
# NSIS, builds a static Qt for Windows once from Debian's own qtbase source into a cache folder
# outside the repository, then builds the program and its tests into build-windows/, runs the
# tests under Wine and makes the installer. Can be run again at any time; the Qt build is
# reused until its version or its options change.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh

install_missing g++-mingw-w64-x86-64-posix wine64 wine nsis ninja-build xvfb xdotool \
    xclip x11-utils fonts-wine

QT_VERSION=$(dpkg-query -W -f='${Version}' qt6-base-dev | sed 's/[-+].*//')
QT_OPTIONS=(
    -DBUILD_SHARED_LIBS=OFF -DCMAKE_BUILD_TYPE=Release
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    # What the program does not use.
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_opengl=OFF -DFEATURE_dbus=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
    # Debian's source leaves out the Wintab headers.
    -DFEATURE_tabletevent=OFF
    # Without OpenGL the Windows platform plugin of 6.4 does not compile otherwise.
    -DFEATURE_dynamicgl=OFF
)
# Debian's own Qt, of the same version, gives the tools that run on this machine (moc, rcc, uic).
QT_HOST_OPTIONS=(-DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)
TOOLCHAIN=$PWD/cmake/mingw-w64-x86_64.cmake
key=$( (printf '%s\n' "${QT_VERSION}" "${QT_OPTIONS[@]}"; cat "${TOOLCHAIN}") | sha256sum | cut -c1-12)
CACHE=${WINDOWS_CACHE}
QT_PREFIX=${CACHE}/qt-${QT_VERSION}-${key}

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

fetch_qt_source() {
    local sources=/etc/apt/sources.list.d/zt-phasewise-deb-src.sources
    if ! apt-get source --print-uris qt6-base >/dev/null 2>&1; then
        # The source of Debian's own Qt, from the archive the machine already uses.
        printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: bookworm\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' |
            $sudo tee "${sources}" >/dev/null
        $sudo apt-get update
    fi
    (cd "${CACHE}/source" && apt-get source "qt6-base=$(dpkg-query -W -f='${Version}' qt6-base-dev)")
}

build_qt() {
    # The stamp is written last: a build that was stopped half-way is done again.
    [ -f "${QT_PREFIX}/built" ] && return 0
    echo "Building Qt ${QT_VERSION} for Windows into ${QT_PREFIX} (once; about half an hour on 2 cores)"
    local started=$SECONDS source
    mkdir -p "${CACHE}/source"
    source=$(find "${CACHE}/source" -maxdepth 1 -type d -name "qt6-base-*" | head -1)
    if [ -z "${source}" ]; then
        fetch_qt_source
        source=$(find "${CACHE}/source" -maxdepth 1 -type d -name "qt6-base-*" | head -1)
    fi
    rm -rf "${CACHE}/qt-build"
    cmake -S "${source}" -B "${CACHE}/qt-build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="${TOOLCHAIN}" \
        -DCMAKE_INSTALL_PREFIX="${QT_PREFIX}" "${QT_HOST_OPTIONS[@]}" "${QT_OPTIONS[@]}"
    cmake --build "${CACHE}/qt-build" -j2
    rm -rf "${QT_PREFIX}"
    cmake --install "${CACHE}/qt-build"
    rm -rf "${CACHE}/qt-build"
    date -u >"${QT_PREFIX}/built"
    echo "Qt for Windows built in $((SECONDS - started)) s"
}

build_qt

# Wine keeps its Windows in a prefix of the build's own, made once.
wine_environment
if [ ! -f "${WINEPREFIX}/prepared" ]; then
    wineboot --init
    # Wine hands Windows programs no QT_ variable from here: the tests' log, which QtTest would
    # send to the debugger when read through a pipe, is asked for in the prefix's environment.
    wine reg add 'HKCU\Environment' /v QT_FORCE_STDERR_LOGGING /d 1 /f
    # Wine has no Windows fonts; the face Linux substitutes goes where Windows keeps its fonts,
    # which the offscreen tests read.
    cp /usr/share/fonts/truetype/dejavu/DejaVuSans*.ttf "${WINEPREFIX}/drive_c/windows/Fonts/"
    # A crash prints its backtrace and ends the test, rather than wait in a dialog.
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
    wineserver --wait
    touch "${WINEPREFIX}/prepared"
fi
# Wine's own stand-ins for Windows' interface faces (Tahoma for menus, MS Sans Serif), where the
# offscreen tests read fonts too; a stamp of its own brings them into a prefix prepared earlier.
if [ ! -f "${WINEPREFIX}/fonts-wine" ]; then
    cp /usr/share/wine/fonts/*.ttf "${WINEPREFIX}/drive_c/windows/Fonts/"
    touch "${WINEPREFIX}/fonts-wine"
fi

# The Linux program, whose reports the Windows one must match, then the Windows one.
build
export ZT_WINDOWS_QT=${QT_PREFIX}
build windows
(cd build-windows && cpack -G NSIS)

# Wine draws even an offscreen Qt program's hidden windows through X: the tests get a server.
# The Qt tests choose the offscreen platform themselves, since Wine hands Windows programs no
# QT_ variable from here.
source tests/common/session.sh
session=$(mktemp -d /tmp/zt-windows.XXXXXX)
XVFB_PID=""
trap 'kill "${XVFB_PID}" 2>/dev/null || true; rm -rf "${session}"' EXIT
start_xvfb "${session}"
ctest --preset windows
