#!/usr/bin/env bash
# Proves that a change leaves every window's pixels where they were: builds tst_desktop_look from
# this work tree and from git revision REV (default main), runs it in each with
# ZT_WINDOW_PICTURES set, which keeps the pictures it takes of every window (light and dark), at
# 100 % and at 200 %, and compares each pair pixel by pixel, one line per picture. Exit code 1 if
# any differs, is missing or changed its size.
#   bash scripts/compare-windows.sh [REV]             offscreen, QT_SCALE_FACTOR=2 for 200 %
#   bash scripts/compare-windows.sh --windows [REV]   the Windows build under Wine on a private X
#                        server, 200 % set as the desktop's (needs scripts/windows.sh's Qt, prefix)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
source tests/common/session.sh
windows=""
[ "${1:-}" != --windows ] || { windows=1 && shift; }
rev=${1:-main}
here=$PWD
work=$(mktemp -d /tmp/zt-compare.XXXXXX)
XVFB_PID=""
cleanup() {
    [ -z "${XVFB_PID}" ] || kill "${XVFB_PID}" 2>/dev/null || true
    for prefix in "$work"/wine-*; do
        [ ! -d "$prefix" ] || WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
    done
    git worktree remove --force "$work/rev" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
install_missing imagemagick

git worktree add --quiet --detach "$work/rev" "$rev"
# A revision from before the test kept its pictures gets this one.
grep -q ZT_WINDOW_PICTURES "$work/rev/tests/windows/tst_desktop_look.cpp" ||
    cp tests/windows/tst_desktop_look.cpp "$work/rev/tests/windows/"

preset=default
if [ -n "$windows" ]; then
    install_missing g++-mingw-w64-x86-64-posix wine64 wine ninja-build xvfb fonts-wine
    wine_environment
    qt=$(find "${WINDOWS_CACHE}" -maxdepth 1 -name 'qt-[0-9]*' 2>/dev/null | head -1 || true)
    export ZT_WINDOWS_QT=${ZT_WINDOWS_QT:-$qt}
    if [ ! -f "${ZT_WINDOWS_QT}/built" ] || [ ! -f "${WINEPREFIX}/prepared" ]; then
        echo "compare-windows: no Qt for Windows or Wine prefix: run scripts/windows.sh" >&2
        exit 2
    fi
    preset=windows
    # Windows' own platform, on a private X server; 200 % is the desktop's, as Windows sets it, in
    # a copy of the prefix.
    cp -a "${WINEPREFIX}" "$work/wine-1"
    cp -a "${WINEPREFIX}" "$work/wine-2"
    WINEPREFIX=$work/wine-2 wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
        /d 192 /f >/dev/null
    WINEPREFIX=$work/wine-2 wineserver --wait
    start_xvfb "$work" 2560x1600
fi
# Offscreen, a desktop as large as scripts/screenshots.sh gives the program, so that a message box
# at 200 % need not wrap its text nor a list be cut short where Qt's small default screen ends.
printf '{"screens": [{"name": "desktop", "width": 2560, "height": 1600}]}\n' >"$work/screen.json"

# Builds the test in tree $1 and takes its pictures into $work/$2/100 and $work/$2/200.
pictures() {
    echo "Taking the pictures of $1"
    (cd "$1" && cmake --preset "$preset" -B build-pictures-$preset &&
        cmake --build build-pictures-$preset -j2 --target tst_desktop_look) >"$work/build.log" 2>&1 ||
        { tail -40 "$work/build.log" >&2 && exit 2; }
    local test
    test=$(find "$1/build-pictures-$preset" -type f \( -name tst_desktop_look -o \
        -name tst_desktop_look.exe \) | head -1)
    # Only the pictures count here, not whether the revision passes the test's checks.
    for scale in 1 2; do
        if [ -n "$windows" ]; then
            WINEPREFIX=$work/wine-$scale ZT_WINDOW_PICTURES=$work/$2/${scale}00 wine "$test" \
                -platform windows sameColoursOnADarkDesktop >"$work/run.log" 2>&1 || true
        else
            (cd "$work" && QT_SCALE_FACTOR=$scale ZT_WINDOW_PICTURES=$work/$2/${scale}00 "$test" \
                -platform offscreen:configfile=screen.json sameColoursOnADarkDesktop) \
                >"$work/run.log" 2>&1 || true
        fi
    done
    [ -d "$work/$2/200" ] || { cat "$work/run.log" >&2 && echo "compare-windows: no pictures" >&2 &&
        exit 2; }
}
pictures "$work/rev" before
pictures "$here" after

echo "Pictures of ${rev} against this work tree:"
status=0
for picture in $(cd "$work" && find before after -name '*.png' | cut -d/ -f2- | sort -u); do
    before=$work/before/$picture after=$work/after/$picture
    if [ ! -f "$before" ] || [ ! -f "$after" ]; then
        echo "$picture: missing on one side" && status=1 && continue
    fi
    size=$(identify -format %wx%h "$before") other=$(identify -format %wx%h "$after")
    if [ "$size" != "$other" ]; then
        echo "$picture: $size against $other" && status=1 && continue
    fi
    differing=$(compare -metric AE "$before" "$after" null: 2>&1 || true)
    echo "$picture: $size, $differing differing pixels"
    [ "$differing" = 0 ] || status=1
done
exit "$status"
