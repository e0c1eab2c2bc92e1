# shellcheck shell=bash
# Sourced by the tests, and by the scripts in scripts/, that run the real program file: a private
# home, runtime, config, cache and data folder, a browser stand-in first in PATH that records
# every address it is handed, and on request an X server of the caller's own and a window manager
# on it. The caller ends what it starts (its EXIT trap).

# Polls a command every tenth of a second until it succeeds, for at most $1 seconds.
wait_until() {
    local seconds=$1
    shift
    local tries=$((seconds * 10))
    while ! "$@" 2>/dev/null; do
        tries=$((tries - 1))
        [ "${tries}" -gt 0 ] || return 1
        sleep 0.1
    done
}

# A test never installs what it lacks (scripts/test.sh does, before the tests run): it ends as
# skipped, CTest's SKIP_RETURN_CODE 77, with the reason $*.
skip_test() {
    echo "SKIP: $* (bash scripts/test.sh installs what the tests need)"
    exit 77
}
require_commands() {
    local command
    for command in "$@"; do
        command -v "${command}" >/dev/null 2>&1 || skip_test "not installed: ${command}"
    done
}

# Points every per-user folder into $1 and the browser at a stand-in that appends each address
# to $1/opened (left in OPENED).
private_session() {
    local root=$1
    mkdir -p "${root}/home" "${root}/run" "${root}/config" "${root}/cache" "${root}/data" \
        "${root}/bin"
    chmod 700 "${root}/run"
    export HOME="${root}/home" XDG_RUNTIME_DIR="${root}/run" XDG_CONFIG_HOME="${root}/config"
    export XDG_CACHE_HOME="${root}/cache" XDG_DATA_HOME="${root}/data"
    OPENED="${root}/opened"
    printf '#!/bin/sh\nprintf "%%s\\n" "$1" >>"%s"\n' "${OPENED}" >"${root}/bin/xdg-open"
    chmod +x "${root}/bin/xdg-open"
    export PATH="${root}/bin:${PATH}"
    unset BROWSER DEFAULT_BROWSER SESSION_MANAGER QT_SCALE_FACTOR QT_QPA_PLATFORMTHEME
}

# Starts Xvfb (screen size $2, 1024x768 by default) on a free display and exports DISPLAY; its
# PID is left in XVFB_PID. The number comes from a range well away from the ones scripts tend to
# fix (0 to 99), so that nobody else's clean-up of "their" display reaches this server. Xvfb
# writes the number to fd 3 once it accepts clients, and exits at once if the display is taken.
start_xvfb() {
    local root=$1 size=${2:-1024x768} number
    XVFB_PID=""
    for _ in $(seq 20); do
        number=$((200 + RANDOM % 800))
        : >"${root}/display"
        Xvfb ":${number}" -displayfd 3 -nolisten tcp -screen 0 "${size}x24" \
            3>"${root}/display" 2>"${root}/xvfb.log" &
        XVFB_PID=$!
        wait_until 30 eval "test -s '${root}/display' || ! kill -0 ${XVFB_PID}" || true
        test -s "${root}/display" && break
        # Taken displays end the server at once; one that never answered is ended here.
        kill "${XVFB_PID}" 2>/dev/null || true
        wait "${XVFB_PID}" 2>/dev/null || true
        XVFB_PID=""
    done
    if [ -z "${XVFB_PID}" ]; then
        echo "Xvfb did not start: $(cat "${root}/xvfb.log")" >&2
        return 1
    fi
    DISPLAY=":$(head -1 "${root}/display")"
    export DISPLAY
}

# Starts Openbox on $DISPLAY with its files in $1 and waits until it manages the screen; its PID
# is left in WM_PID. The windows have no minimise or maximise box, and Openbox draws its buttons
# regardless of the hints, so its title bar shows the icon, the caption and the close box, as a
# desktop that honours the hints does.
start_window_manager() {
    local root=$1
    mkdir -p "${root}/openbox"
    printf '<?xml version="1.0"?>\n<openbox_config xmlns="http://openbox.org/3.4/rc">%s%s\n' \
        '<theme><titleLayout>NLC</titleLayout></theme>' '</openbox_config>' >"${root}/openbox/rc.xml"
    openbox --sm-disable --config-file "${root}/openbox/rc.xml" >"${root}/openbox.log" 2>&1 &
    WM_PID=$!
    if ! wait_until 30 eval 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'; then
        echo "no window manager: $(cat "${root}/openbox.log")" >&2
        return 1
    fi
}
