#!/usr/bin/env bash
# Proves that a change leaves every window's pixels where they were: builds window_pictures
# (tests/pictures) from this work tree and from git revision REV (default main), takes both sets
# of pictures at 100 %, at 200 %, on a dark desktop and dark at 200 %, and compares each pair
# pixel by pixel, one line per picture. Exit code 1 if any differs, is missing or changed its size.
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

git worktree add --quiet --detach "$work/rev" "$rev"
if [ ! -d "$work/rev/tests/pictures" ]; then
    # A revision from before the picture program gets this one.
    cp -r tests/pictures "$work/rev/tests/"
    cp tests/common/DarkPalette.h "$work/rev/tests/common/"
    echo 'add_subdirectory(pictures)' >>"$work/rev/tests/CMakeLists.txt"
fi

# Builds window_pictures of tree $1 with preset $2 into its folder $3.
build_pictures() {
    echo "Building window_pictures in $1/$3"
    if ! (cd "$1" && cmake --preset "$2" -B "$3" &&
        cmake --build "$3" -j2 --target window_pictures) >"$work/build.log" 2>&1; then
        tail -40 "$work/build.log" >&2
        exit 2
    fi
}

# Offscreen, a desktop as large as scripts/screenshots.sh gives the program, so that a message box
# at 200 % need not wrap its text nor a list be cut short where Qt's small default screen ends.
printf '{"screens": [{"name": "desktop", "width": 2560, "height": 1600}]}\n' >"$work/screen.json"
# Name, scale and option of each set of pictures.
settings=("100 1" "200 2" "dark 1 --dark" "dark-200 2 --dark")
# Takes every set into folder $1 with the command that follows.
shoot() {
    local out=$1 name scale option
    shift
    for setting in "${settings[@]}"; do
        read -r name scale option <<<"$setting"
        # shellcheck disable=SC2086 # the option is one word or none
        if [ -n "$windows" ]; then
            # 200 % is the desktop's own, as Windows sets it, in a prefix of its own.
            env -u QT_SCALE_FACTOR WINEPREFIX="$work/wine-$scale" "$@" $option "$out/$name"
        else
            QT_SCALE_FACTOR=$scale "$@" -platform "offscreen:configfile=$work/screen.json" \
                $option "$out/$name"
        fi 2>"$work/shoot.log" || {
            cat "$work/shoot.log" >&2
            echo "compare-windows: $* failed for $name" >&2
            exit 2
        }
    done
}

# The comparison runs on this machine in either case.
build_pictures "$here" default build-pictures
compare=$here/build-pictures/window_pictures
if [ -n "$windows" ]; then
    install_missing g++-mingw-w64-x86-64-posix wine64 wine ninja-build xvfb fonts-wine
    wine_environment
    qt=$(find "${WINDOWS_CACHE}" -maxdepth 1 -name 'qt-[0-9]*' 2>/dev/null | head -1 || true)
    export ZT_WINDOWS_QT=${ZT_WINDOWS_QT:-$qt}
    if [ ! -f "${ZT_WINDOWS_QT}/built" ] || [ ! -f "${WINEPREFIX}/prepared" ]; then
        echo "compare-windows: no Qt for Windows or Wine prefix: run scripts/windows.sh" >&2
        exit 2
    fi
    build_pictures "$here" windows build-pictures-windows
    build_pictures "$work/rev" windows build-pictures-windows
    # Copies of the build's prefix, with its fonts, one at 96 dpi and one at 192.
    cp -a "${WINEPREFIX}" "$work/wine-1"
    cp -a "${WINEPREFIX}" "$work/wine-2"
    export WINEPREFIX=$work/wine-2
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 192 /f >/dev/null
    wineserver --wait
    start_xvfb "$work" 2560x1600
    shoot "$work/before" wine "$work/rev/build-pictures-windows/window_pictures.exe"
    shoot "$work/after" wine "$here/build-pictures-windows/window_pictures.exe"
else
    build_pictures "$work/rev" default build-pictures
    shoot "$work/before" "$work/rev/build-pictures/window_pictures"
    shoot "$work/after" "$compare"
fi

echo "Pictures of ${rev} against this work tree:"
status=0
for setting in "${settings[@]}"; do
    read -r name _ <<<"$setting"
    "$compare" --compare "$work/before/$name" "$work/after/$name" | sed "s|^|${name}/|" || status=1
done
exit "$status"
