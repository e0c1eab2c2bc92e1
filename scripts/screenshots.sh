#!/usr/bin/env bash
# Takes the README's pictures: runs the real program under a private X server with a window
# manager, walks it through a reading with xdotool and saves the main window, a message box, the
# results window, the About window and the closing window into docs/ (100 %) and docs/200/
# (QT_SCALE_FACTOR=2). The program gets its own home, runtime folder and a fake xdg-open, so it
# touches none of the user's settings and opens no browser. Commit the pictures it writes.
#   bash scripts/screenshots.sh [SCALE...]      (default: 1 2)
#   bash scripts/screenshots.sh --windows        the Windows build under Wine, into docs/windows/
#                                                and docs/windows/200/ (WINEPREFIX, if set, names
#                                                the prefix to copy from)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
install_missing xvfb xdotool x11-utils imagemagick openbox
if [ "${1:-}" = --windows ]; then
    # scripts/windows.sh has made the program and Wine's prefix; one named already is kept.
    prefix=${WINEPREFIX:-}
    wine_environment
    WINEPREFIX=${prefix:-${WINEPREFIX}}
    program=(wine build-windows/DIDadiDizaruvaVudiro.exe)
else
    build
    program=(./build/DIDadiDizaruvaVudiro)
fi
source "$(dirname "${program[-1]}")/facts.sh"
source tests/common/session.sh

caption=${ZT_TITLE}
work=$(mktemp -d /tmp/zt-shots.XXXXXX)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    # The copied prefix's wineserver would otherwise outlive its folder.
    [ ! -d "$work/wine" ] || WINEPREFIX="$work/wine" wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# The active window once it is a visible window named $1 other than $2, waiting at most 10 s.
await_active() {
    local name=$1 previous=${2:-} window
    for _ in $(seq 100); do
        window=$(xdotool getactivewindow 2>/dev/null || true)
        if [ -n "$window" ] && [ "$window" != "$previous" ] &&
            [ "$(xdotool getwindowname "$window" 2>/dev/null)" = "$name" ]; then
            echo "$window"
            return 0
        fi
        sleep 0.1
    done
    echo "screenshots: no window '${name}' became active" >&2
    return 1
}

# Saves window $1 with its frame once two grabs in a row agree, so the picture is fully painted.
snap() {
    local window=$1 out=$2
    import -silent -frame -window "$window" "$work/a.png"
    for _ in $(seq 30); do
        sleep 0.1
        import -silent -frame -window "$window" "$work/b.png"
        if [ "$(compare -metric AE "$work/a.png" "$work/b.png" null: 2>&1)" = 0 ]; then
            mv "$work/b.png" "$out"
            echo "screenshots: saved ${out}"
            return 0
        fi
        mv "$work/b.png" "$work/a.png"
    done
    echo "screenshots: window ${window} kept changing" >&2
    return 1
}

keys() { xdotool key --delay 80 "$@"; }

shoot() {
    local scale=$1 dir=$2
    mkdir -p "$dir"
    private_session "$work/$dir"
    start_xvfb "$work/$dir" 2560x1600
    pids+=("$XVFB_PID")
    start_window_manager "$work/$dir"
    pids+=("$WM_PID")

    env QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale" LANG=C.UTF-8 \
        "${program[@]}" >"$work/app.log" 2>&1 &
    local app=$!
    pids+=($app)

    local main results box about closing
    main=$(await_active "$caption")
    # Next with nothing typed: the first check's message box.
    keys alt+n
    box=$(await_active "ZT Phasewise" "$main")
    snap "$box" "$dir/message-box.png"
    keys Return
    main=$(await_active "$caption" "$box")

    xdotool type --delay 60 "Ada"
    keys Tab
    xdotool type --delay 60 "Maria"
    keys Tab
    xdotool type --delay 60 "Lovelace"
    # Month, day and year lists, in tab order; a closed list selects the entry typed.
    keys Tab
    xdotool type --delay 60 "Nov"
    keys Tab
    xdotool type --delay 60 "29"
    keys Tab
    xdotool type --delay 60 "1975"
    keys Tab
    snap "$main" "$dir/main-window.png"

    keys alt+n
    results=$(await_active "$caption" "$main")
    snap "$results" "$dir/results-window.png"
    keys alt+b
    main=$(await_active "$caption" "$results")

    keys alt+h a
    about=$(await_active "$caption" "$main")
    snap "$about" "$dir/about-window.png"
    keys Escape
    main=$(await_active "$caption" "$about")

    keys alt+f x
    closing=$(await_active "$caption" "$main")
    snap "$closing" "$dir/closing-window.png"

    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    pids=()
    if [ -s "$OPENED" ]; then
        echo "screenshots: the program handed addresses to the desktop: $(cat "$OPENED")" >&2
        return 1
    fi
}

if [ "${program[0]}" = wine ]; then
    shoot 1 docs/windows
    # Wine hands the program no QT_ variable: 200 % is the desktop's own, as Windows sets it, in
    # a copy of the prefix so that the build's stays at 100 %.
    wineserver --wait
    cp -a "${WINEPREFIX}" "$work/wine"
    export WINEPREFIX="$work/wine"
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 192 /f >/dev/null
    wineserver --wait
    shoot 1 docs/windows/200
    exit 0
fi
scales=("$@")
[ ${#scales[@]} -gt 0 ] || scales=(1 2)
for scale in "${scales[@]}"; do
    if [ "$scale" = 1 ]; then
        shoot 1 docs
    else
        shoot "$scale" "docs/$((scale * 100))"
    fi
done
