#!/usr/bin/env bash
# SIGTERM, SIGINT and SIGHUP end the program as its Exit button does: status 0, the lock released
# and the stored date kept, also while the update reminder asks or the start is stuck before any
# event loop runs. (That no window comes up on the way out is counted in-process by tst_startup.)
# Usage: signals.sh PROGRAM
source "$(dirname "$0")/lib.sh"

for signal in TERM INT HUP; do
    echo "== SIG${signal} with the main window open"
    start_program
    PID=${STARTED}
    wait_windows 1 "${TITLE}" "${PID}" >/dev/null
    [ -e "${LOCK}" ] || fail "no lock while running"
    grep -q '^Duration=' "${SETTINGS}" || fail "the first start stored no date"
    stored=$(cat "${SETTINGS}")
    kill "-${signal}" "${PID}"
    expect_exit "${PID}" 0
    [ ! -e "${LOCK}" ] || fail "SIG${signal} left the lock behind"
    [ "$(cat "${SETTINGS}")" = "${stored}" ] || fail "SIG${signal} changed the settings"
done

echo "== SIGTERM while the start is stuck reading the settings, before any event loop runs"
rm "${SETTINGS}" && mkfifo "${SETTINGS}"
start_program
PID=${STARTED}
wait_until 30 test -e "${LOCK}" || fail "no lock while starting"
kill -TERM "${PID}"
expect_exit "${PID}" 0
[ ! -e "${LOCK}" ] || fail "SIGTERM left the lock behind"
rm "${SETTINGS}"

echo "== SIGTERM while the update reminder asks"
printf '[Settings]\nDuration=2000-01-01\n' >"${SETTINGS}"
# The program stores the day it starts on; a run across midnight checks it on the next day.
first_day=$(date +%Y-%m-%d)
start_program
PID=${STARTED}
wait_windows 1 "${BOX_TITLE}" "${PID}" >/dev/null
kill -TERM "${PID}"
expect_exit "${PID}" 0
[ ! -e "${LOCK}" ] || fail "SIGTERM left the lock behind"
grep -qE "^Duration=(${first_day}|$(date +%Y-%m-%d))\$" "${SETTINGS}" ||
    fail "the stored date: $(cat "${SETTINGS}")"
[ ! -s "${OPENED}" ] || fail "a page was opened: $(cat "${OPENED}")"
echo "PASS"
