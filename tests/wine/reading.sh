#!/usr/bin/env bash
# The Windows program under Wine, driven by keyboard as on Linux: a reading whose report, copied
# from the results window, must equal the Windows program's own --report and the Linux program's;
# Back, File, Exit and Exit with status 0; then taskkill ends it as cleanly.
# Usage: reading.sh PROGRAM.exe LINUX_PROGRAM
set -euo pipefail
linux_program=$2
# Keys reach the Windows program through Wine as well: typed more slowly.
TYPE_DELAY=50
source "$(dirname "$0")/../e2e/lib.sh" "$1"
[ -x "${linux_program}" ] || skip_test "no Linux program at ${linux_program} to compare with"
# The end-to-end helpers run a program file; here that is Wine with the Windows program.
printf '#!/bin/sh\nexec wine "%s" "$@"\n' "${PROGRAM}" >"${ROOT}/program"
chmod +x "${ROOT}/program"
PROGRAM="${ROOT}/program"
# The build's Wine prefix outlives the run, so a reminder date from weeks ago is cleared first, or
# the question would come before the main window.
[ -n "${WINEPREFIX:-}" ] || skip_test "no WINEPREFIX: scripts/windows.sh sets up Wine"
wine reg delete 'HKCU\Software\DIDadiDizaruvaVudiro' /f >/dev/null 2>&1 || true

start_program
PID=${STARTED}
MAIN=$(wait_windows 1 "${TITLE}" "${PID}")
enter_reading "${MAIN}" 1 1 1900 "ann" "lee"
xdotool key alt+n
RESULTS=$(wait_replaced "${MAIN}" "${PID}") || fail "no results window"
copy_report "${RESULTS}" "${ROOT}/report"
# Text on Windows, in a file too, breaks its lines with CR LF.
"${PROGRAM}" --report 1 January 1900 | tr -d '\r' >"${ROOT}/windows" || fail "--report failed"
"${linux_program}" --report 1 January 1900 >"${ROOT}/linux"
for made in windows report; do
    cmp -s "${ROOT}/${made}" "${ROOT}/linux" ||
        fail "${made} differs from Linux's --report: $(diff "${ROOT}/linux" "${ROOT}/${made}" | head)"
done
go_back "${MAIN}" "${PID}"
focus "${MAIN}"
xdotool key alt+f x
CLOSING=$(wait_replaced "${MAIN}" "${PID}") || fail "File, Exit did not bring up the closing window"
focus "${CLOSING}"
xdotool key alt+x
expect_exit "${PID}" 0

# A request to end from outside ends the program as Exit does: status 0, the lock released.
lock="${WINEPREFIX}/drive_c/users/$(id -un)/AppData/Local/DIDadiDizaruvaVudiro/DIDadiDizaruvaVudiro.lock"
start_program
PID=${STARTED}
wait_windows 1 "${TITLE}" "${PID}" >/dev/null
[ -e "${lock}" ] || fail "no lock at ${lock}"
wine taskkill /IM DIDadiDizaruvaVudiro.exe >/dev/null 2>&1 || fail "taskkill found no program"
expect_exit "${PID}" 0
[ ! -e "${lock}" ] || fail "the lock outlived the program"
echo "PASS: a reading under Wine equals the Linux program's; Exit and taskkill end it cleanly"
