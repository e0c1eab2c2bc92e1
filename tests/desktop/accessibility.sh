#!/usr/bin/env bash
# Runs accessibility.py against the program as a screen reader would meet it: a private X server,
# a private session bus with the accessibility bus and registry up before the program starts, a
# private home and a fake xdg-open that only records addresses.
#
#   accessibility.sh PROGRAM
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$(realpath "$1")
source "$here/../../scripts/common.sh"
install_missing xvfb xdotool dbus dbus-x11 at-spi2-core python3-pyatspi gir1.2-atspi-2.0

work=$(mktemp -d /tmp/zt-a11y.XXXXXX)
xpid=""
cleanup() {
    local status=$?
    if [ -n "$xpid" ]; then
        kill "$xpid" 2>/dev/null || true
        wait "$xpid" 2>/dev/null || true
    fi
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT

mkdir -p "$work/bin" "$work/home" "$work/config" "$work/data" "$work/cache" "$work/runtime"
chmod 700 "$work/runtime"
cat >"$work/bin/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$1" >>"$work/urls"
EOF
chmod +x "$work/bin/xdg-open"

# The server picks a free display itself and writes its number once it accepts clients.
Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$work/display" 2>"$work/xvfb.log" &
xpid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    kill -0 "$xpid" 2>/dev/null || { cat "$work/xvfb.log" >&2; exit 1; }
    sleep 0.1
done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }

export DISPLAY=":$(head -1 "$work/display")"
export PATH="$work/bin:$PATH" HOME="$work/home" XDG_CONFIG_HOME="$work/config"
export XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache" XDG_RUNTIME_DIR="$work/runtime"
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
export NO_AT_BRIDGE=0 GTK_A11Y=atspi
unset QT_QPA_PLATFORMTHEME QT_SCALE_FACTOR SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS

# Inside the private session bus: the accessibility bus first, then the walk.
dbus-run-session -- bash -c '
    set -u
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    launcher=$!
    trap "kill $launcher 2>/dev/null" EXIT
    for _ in $(seq 100); do
        dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
            org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
        sleep 0.1
    done
    timeout 240 /usr/bin/python3 "$1" "$2" "$3"
' bash "$here/accessibility.py" "$program" "$work/urls" 2> >(grep -v "fd limit" >&2)
