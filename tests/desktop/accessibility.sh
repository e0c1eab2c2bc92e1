#!/usr/bin/env bash
# Runs accessibility.py against the program as a screen reader would meet it: a private X server,
# a private session bus with the accessibility bus and registry up before the program starts, a
# private home and a fake xdg-open that only records addresses.
#
#   accessibility.sh PROGRAM
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$(realpath "$1")
source "$here/../common/session.sh"
require_commands Xvfb xdotool dbus-run-session dbus-send /usr/libexec/at-spi-bus-launcher
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip_test "not installed: Python's pyatspi"

work=$(mktemp -d /tmp/zt-a11y.XXXXXX)
XVFB_PID=""
cleanup() {
    local status=$?
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    fi
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT

private_session "$work"
start_xvfb "$work" 1280x1024
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
export NO_AT_BRIDGE=0 GTK_A11Y=atspi
unset DBUS_SESSION_BUS_ADDRESS

# Inside the private session bus: the accessibility bus first, then the walk.
dbus-run-session -- bash -c '
    set -u
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    launcher=$!
    trap "kill $launcher 2>/dev/null" EXIT
    for _ in $(seq 600); do
        dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
            org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
        sleep 0.1
    done
    timeout 240 /usr/bin/python3 "$1" "$2" "$3"
' bash "$here/accessibility.py" "$program" "$OPENED" 2> >(grep -v "fd limit" >&2)
