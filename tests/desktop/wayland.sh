#!/usr/bin/env bash
# Starts the program on a Wayland desktop (a headless weston of its own) and checks from the
# protocol traffic that its main window appears under its title and desktop id, and that the
# fixed-size window tells the compositor it cannot be resized or maximised (minimum size equal
# to maximum size).
#
#   wayland.sh PROGRAM APP_ID
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$(realpath "$1")
app_id=$2
title="${ZT_TITLE:?the window title, which CTest hands over}"
source "$here/../common/session.sh"
require_commands weston
[ -e "${ZT_WAYLAND_PLUGIN}" ] || skip_test "not installed: ${ZT_WAYLAND_PLUGIN}"

work=$(mktemp -d /tmp/zt-wayland.XXXXXX)
wpid=""
apid=""
cleanup() {
    local status=$?
    for pid in $apid $wpid; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT

private_session "$work"
unset DISPLAY

socket=zt-wayland
weston --backend=headless-backend.so --no-config --idle-time=0 --socket="$socket" \
    --log="$work/weston.log" &
wpid=$!
wait_until 60 eval '[ -S "$XDG_RUNTIME_DIR/$socket" ] || ! kill -0 "$wpid"' || true
[ -S "$XDG_RUNTIME_DIR/$socket" ] || { echo "weston did not start" >&2; cat "$work/weston.log" >&2; exit 1; }

WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 "$program" \
    >"$work/app.out" 2>"$work/wire.log" &
apid=$!

# The window is on screen once the client has acknowledged the compositor's first configure of
# the toplevel and committed a buffer after it.
mapped() {
    awk '/xdg_surface@[0-9]+\.ack_configure/ { acked = 1 }
         acked && /wl_surface@[0-9]+\.attach\(wl_buffer/ { attached = 1 }
         attached && /wl_surface@[0-9]+\.commit/ { found = 1 }
         END { exit !found }' "$work/wire.log"
}
wait_until 60 eval 'mapped || ! kill -0 "$apid"' || true

fail=0
report() { echo "FAIL: $*" >&2; fail=1; }
mapped || report "the main window never appeared"
kill -0 "$apid" 2>/dev/null || report "the program ended"

toplevel=$(grep -oE "xdg_toplevel@[0-9]+\.set_title\(\"$title\"\)" "$work/wire.log" |
    head -1 | sed -E 's/\.set_title.*//')
[ -n "$toplevel" ] || report "no toplevel titled \"$title\""
if [ -n "$toplevel" ]; then
    grep -qF "$toplevel.set_app_id(\"$app_id\")" "$work/wire.log" ||
        report "$toplevel does not carry the desktop id $app_id"
    min=$(grep -oE "$toplevel\.set_min_size\([0-9]+, [0-9]+\)" "$work/wire.log" | tail -1 |
        grep -oE '\(.*\)' || true)
    max=$(grep -oE "$toplevel\.set_max_size\([0-9]+, [0-9]+\)" "$work/wire.log" | tail -1 |
        grep -oE '\(.*\)' || true)
    echo "main window $toplevel: minimum size $min, maximum size $max"
    [ -n "$min" ] && [ "$min" = "$max" ] && [ "$min" != "(0, 0)" ] ||
        report "the fixed-size window can be resized or maximised (min $min, max $max)"
    grep -q "$toplevel\.set_maximized" "$work/wire.log" && report "the window asked to be maximised"
fi
grep -qiE "protocol error|error [0-9]+:" "$work/wire.log" && report "protocol error" &&
    grep -iE "protocol error|error [0-9]+:" "$work/wire.log" >&2
if [ "$fail" -ne 0 ]; then
    echo "--- program output" >&2
    grep -v '^\[' "$work/wire.log" >&2 || true
    exit 1
fi
echo "wayland: the main window appeared as $app_id, fixed at $min"
