#!/usr/bin/env bash
# The Windows program under Wine, driven by keyboard as on Linux: readings whose reports, copied
# from the results window, must equal the Windows program's own --report and the Linux program's,
# Back, File, Exit to the closing window, and Exit with status 0.
# Usage: reading.sh PROGRAM.exe LINUX_PROGRAM
set -euo pipefail
windows_program=$(readlink -f "$1")
linux_program=$2
# The end-to-end helpers run a program file; here that is Wine with the Windows program.
wrapper=$(mktemp "${TMPDIR:-/tmp}/zt-wine.XXXXXX")
printf '#!/bin/sh\nexec wine "%s" "$@"\n' "${windows_program}" >"${wrapper}"
chmod +x "${wrapper}"
# Keys reach the Windows program through Wine as well: typed more slowly.
TYPE_DELAY=50
source "$(dirname "$0")/../e2e/lib.sh" "${wrapper}"
mv "${wrapper}" "${ROOT}/program"
PROGRAM="${ROOT}/program"
# Wine's own folders stay where the build made them (making a prefix takes a minute), never the
# user's own ~/.wine.
: "${WINEPREFIX:?run by scripts/windows.sh, which names the Wine prefix}"
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# The prefix outlives the run: a reminder date from weeks ago would ask before the main window.
wine reg delete 'HKCU\Software\DIDadiDizaruvaVudiro' /f >/dev/null 2>&1 || true

REPORT_BOX=(210 140)

start_program
PID=${STARTED}
MAIN=$(wait_windows 1 "${TITLE}" "${PID}")

# Day, month and year: the first as the lists open, the second picked from them.
for reading in "1 1 1900" "29 11 1975"; do
    read -r day month year <<<"${reading}"
    echo "== ${day} ${MONTHS[month - 1]} ${year}"
    if [ "${day}" -eq 1 ]; then
        enter_reading "${MAIN}" "${day}" "${month}" "${year}" "ann" "lee"
    else
        enter_reading "${MAIN}" "${day}" "${month}" "${year}"
    fi
    xdotool key alt+n
    RESULTS=$(wait_replaced "${MAIN}" "${PID}") || fail "no results window for ${reading}"

    focus "${RESULTS}"
    xdotool mousemove --window "${RESULTS}" "${REPORT_BOX[@]}" click 1
    xdotool key ctrl+a ctrl+c
    wait_until 30 eval '! clipboard_empty' || fail "the report could not be copied"
    # Text on Windows, on the clipboard and in a file alike, breaks its lines with CR LF.
    clipboard | tr -d '\r' >"${ROOT}/report"
    "${PROGRAM}" --report "${day}" "${MONTHS[month - 1]}" "${year}" >"${ROOT}/windows" 2>&1 ||
        fail "--report of the Windows program: $(cat "${ROOT}/windows")"
    tr -d '\r' <"${ROOT}/windows" >"${ROOT}/windows.lf" && mv "${ROOT}/windows.lf" "${ROOT}/windows"
    "${linux_program}" --report "${day}" "${MONTHS[month - 1]}" "${year}" >"${ROOT}/linux"
    cmp -s "${ROOT}/windows" "${ROOT}/linux" ||
        fail "--report differs from Linux's: $(diff "${ROOT}/linux" "${ROOT}/windows" | head -20)"
    cmp -s "${ROOT}/report" "${ROOT}/linux" ||
        fail "the window's report differs: $(diff "${ROOT}/linux" "${ROOT}/report" | head -20)"

    xdotool key alt+b
    wait_until 30 eval '[ "$(visible_windows "${TITLE}" "${PID}")" = "${MAIN}" ]' ||
        fail "Back did not return to the main window alone"
done

echo "== File, Exit"
focus "${MAIN}"
xdotool key alt+f x
CLOSING=$(wait_replaced "${MAIN}" "${PID}") || fail "File, Exit did not bring up the closing window"
focus "${CLOSING}"
xdotool key alt+x
expect_exit "${PID}" 0

echo "== taskkill"
# A request to end from outside ends the program as Exit does: status 0, the lock released.
lock="${WINEPREFIX}/drive_c/users/$(id -un)/AppData/Local/DIDadiDizaruvaVudiro/DIDadiDizaruvaVudiro.lock"
start_program
PID=${STARTED}
wait_windows 1 "${TITLE}" "${PID}" >/dev/null
[ -e "${lock}" ] || fail "no lock at ${lock}"
wine taskkill /IM DIDadiDizaruvaVudiro.exe >/dev/null 2>&1 || fail "taskkill found no program"
expect_exit "${PID}" 0
[ ! -e "${lock}" ] || fail "the lock outlived the program"
echo "PASS: 2 readings under Wine equal the Linux program's, Exit and taskkill end it cleanly"
