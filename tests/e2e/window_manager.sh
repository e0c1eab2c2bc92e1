#!/usr/bin/env bash
# Under a window manager (Openbox) windows take the keyboard when it hands it to them, not when
# the program asks. After a reading and Back, File, Exit must still bring the closing window up
# on Exit, so that Space ends the program rather than opening a web page.
source "$(dirname "$0")/lib.sh"
require_commands openbox

start_window_manager "${ROOT}" || fail "no window manager"
PIDS+=("${WM_PID}")

start_program
PID=${STARTED}
MAIN=$(wait_windows 1 "${TITLE}" "${PID}")
focus "${MAIN}"
xdotool type --delay 20 "ann"
xdotool key Tab Tab
xdotool type --delay 20 "lee"
xdotool key alt+n
RESULTS=$(wait_replaced "${MAIN}" "${PID}") || fail "no results window"
focus "${RESULTS}"
go_back "${MAIN}" "${PID}"

focus "${MAIN}"
xdotool key alt+f x
CLOSING=$(wait_replaced "${MAIN}" "${PID}") || fail "File, Exit did not bring up the closing window"
focus "${CLOSING}"
xdotool key space
wait_until 30 eval "! kill -0 ${PID} || [ -s '${OPENED}' ]" || true
[ ! -s "${OPENED}" ] || fail "Space opened $(cat "${OPENED}"): the focus was not on Exit"
expect_exit "${PID}" 0
echo "PASS: the closing window opened on Exit under a window manager"
