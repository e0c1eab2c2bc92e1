# Shared by the end-to-end tests, sourced with the program file as $1. Each test gets an X server
# of its own, a private home, runtime, config and cache folder, and a browser stand-in that
# records every address it is handed; everything it starts ends with it. Waits poll a condition
# within a bound, so a slow machine only makes a test slower, never flaky.
set -euo pipefail

PROGRAM=$(readlink -f "$1")
WEB_HOST="${ZT_WEB_HOST:-www.zentari.example}"
TITLE="${ZT_TITLE:?the window title, which CTest hands over}"
BOX_TITLE="ZT Phasewise"

ROOT=$(mktemp -d "${TMPDIR:-/tmp}/zt-e2e.XXXXXX")
PIDS=()
XVFB_PID=""

cleanup() {
    local pid
    for pid in "${PIDS[@]}"; do
        kill -KILL "${pid}" 2>/dev/null || true
    done
    [ -n "${XVFB_PID}" ] && kill "${XVFB_PID}" 2>/dev/null && wait "${XVFB_PID}" 2>/dev/null
    rm -rf "${ROOT}"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    local log
    for log in "${ROOT}"/program-*.log; do
        [ -s "${log}" ] && { echo "--- ${log##*/}" >&2; cat "${log}" >&2; }
    done
    exit 1
}

source "$(dirname "${BASH_SOURCE[0]}")/../common/session.sh"
require_commands Xvfb xdotool xclip xprop
private_session "${ROOT}"
LOCK="${XDG_RUNTIME_DIR}/DIDadiDizaruvaVudiro.lock"
SETTINGS="${XDG_CONFIG_HOME}/DIDadiDizaruvaVudiro/DIDadiDizaruvaVudiro.conf"
unset DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=0 NO_AT_BRIDGE=1
start_xvfb "${ROOT}" || fail "no X server"

# Starts the program in the background; its PID is left in STARTED.
STARTED=""
start_program() {
    "${PROGRAM}" >"${ROOT}/program-${#PIDS[@]}.log" 2>&1 &
    STARTED=$!
    PIDS+=("${STARTED}")
}

# Ids of the visible windows with exactly this title, of one process if a PID is given.
visible_windows() {
    local title=$1 pid=${2:-}
    if [ -n "${pid}" ]; then
        xdotool search --all --onlyvisible --pid "${pid}" --name "^${title}\$" 2>/dev/null || true
    else
        xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null || true
    fi
}

count_is() { [ "$(visible_windows "$2" "${3:-}" | grep -c .)" -eq "$1" ]; }

# Waits until exactly $1 windows with title $2 (of PID $3, if given) are visible; prints their ids.
wait_windows() {
    wait_until 30 count_is "$@" ||
        fail "expected $1 visible window(s) titled '$2'${3:+ of process $3}," \
            "found $(visible_windows "$2" "${3:-}" | grep -c .)"
    visible_windows "$2" "${3:-}"
}

# The one visible window of process $2 is another than $1. Hiding one window and showing the
# next leaves a moment with none visible, which is not the next one yet.
replaced() {
    local now
    now=$(visible_windows "${TITLE}" "$2")
    [ -n "${now}" ] && [ "${now}" != "$1" ] && [ "$(grep -c . <<<"${now}")" -eq 1 ]
}

# Waits until another window of process $2 has taken the place of window $1; prints its id.
wait_replaced() {
    wait_until 30 replaced "$1" "$2" || return 1
    visible_windows "${TITLE}" "$2"
}

# Gives the keyboard to a window; without a window manager nobody else does. xdotool takes an
# empty id without complaint and moves the pointer to the middle of the screen.
focus() {
    [ -n "$1" ] || fail "no window to give the keyboard to"
    xdotool windowfocus --sync "$1"
}

# Waits for a process to end and fails unless its exit status is $2.
expect_exit() {
    local pid=$1 expected=$2 status=0
    wait_until 30 eval "! kill -0 ${pid}" || fail "process ${pid} did not end"
    wait "${pid}" || status=$?
    local kept=() other
    for other in "${PIDS[@]}"; do
        [ "${other}" = "${pid}" ] || kept+=("${other}")
    done
    PIDS=("${kept[@]}")
    [ "${status}" -eq "${expected}" ] || fail "process ${pid} ended with ${status}, not ${expected}"
}

# Every visible window of the process is one of the program's windows or its message boxes.
expect_titles() {
    local id name
    for id in $(xdotool search --all --onlyvisible --pid "$1" --name '' 2>/dev/null); do
        name=$(xdotool getwindowname "${id}")
        [ "${name}" = "${TITLE}" ] || [ "${name}" = "${BOX_TITLE}" ] ||
            fail "window ${id} is titled '${name}'"
    done
}

clipboard() {
    xclip -selection "${1:-clipboard}" -o 2>/dev/null
}

clipboard_empty() {
    [ -z "$(clipboard)" ]
}

# The clipboard holds exactly $1. Waiting for it to be merely non-empty is not enough once it holds
# text already: xclip -i returns before the server has seen it take the clipboard over, so the
# program could still read the text before.
clipboard_is() {
    [ "$(clipboard "${2:-clipboard}")" = "$1" ]
}

# Picks list position $1 in the focused list, counting from its first item.
pick() {
    xdotool key Home
    [ "$1" -eq 0 ] || xdotool key --repeat "$1" --delay 5 Down
}

MONTHS=(January February March April May June July August September October November December)
# Where the main window's first-name box lies, in pixels from the window's top left corner.
FIRST_NAME_BOX=(70 108)
# Milliseconds between typed letters.
TYPE_DELAY=${TYPE_DELAY:-20}

# Fills in the main window $1 for day $2, month number $3 and year $4: given names $5 and $6,
# types them and leaves the lists as they open, on 1 January 1900; without, keeps the names
# and picks the date from the month, day and year lists, in their tab order.
enter_reading() {
    local window=$1 day=$2 month=$3 year=$4
    focus "${window}"
    xdotool mousemove --window "${window}" "${FIRST_NAME_BOX[@]}" click 1
    if [ $# -gt 4 ]; then
        xdotool type --delay "${TYPE_DELAY}" "$5"
        xdotool key Tab Tab
        xdotool type --delay "${TYPE_DELAY}" "$6"
    else
        xdotool key Tab Tab Tab
        pick $((month - 1))
        xdotool key Tab
        pick $((day - 1))
        xdotool key Tab
        pick $((year - 1900))
    fi
}

# Where the results window's report lies, in pixels from the window's top left corner.
REPORT_BOX=(210 140)

# Copies the report of results window $1 through the clipboard, as a user would, into file $2.
# Windows puts CR LF line breaks on the clipboard; they read as LF.
copy_report() {
    focus "$1"
    xdotool mousemove --window "$1" "${REPORT_BOX[@]}" click 1
    xdotool key ctrl+a ctrl+c
    wait_until 30 eval '! clipboard_empty' || fail "the report could not be copied"
    clipboard | tr -d '\r' >"$2"
}

# Presses Back in the focused results window of process $2; the main window $1 alone comes back.
go_back() {
    local main=$1 pid=$2
    xdotool key alt+b
    wait_until 30 eval '[ "$(visible_windows "${TITLE}" "${pid}")" = "${main}" ]' ||
        fail "Back did not return to the main window alone"
}
