#!/usr/bin/env bash
# A person's whole session with the program file: names typed, dates picked from the lists by
# keyboard, each report read through the clipboard and compared with --report's for the date, the
# program's own copies taken off the clipboard and selection by the mouse, Back, then File, Exit
# to the closing window, a referral handed to the browser, and Exit with status 0.
# Usage: reading.sh PROGRAM
source "$(dirname "$0")/lib.sh"

# Places in the fixed layouts, in pixels from the window's top left corner.
NAME_BOX=(125 249)
EMAIL_BOX=(360 249)
FRIEND_NAME_BOX=(125 273)
FRIEND_EMAIL_BOX=(360 273)

# Every window mapped on the screen, recorded from outside the program.
stdbuf -oL xev -root -event substructure >"${ROOT}/maps" 2>&1 &
PIDS+=($!)
# Times window $1 was mapped.
times_mapped() { grep -A1 '^MapNotify' "${ROOT}/maps" | grep -c "window $(printf '0x%x' "$1")," || true; }

start_program
PID=${STARTED}
MAIN=$(wait_windows 1 "${TITLE}" "${PID}")
expect_titles "${PID}"

# Reading: day month year, then the four caption lines the report must carry.
readings=(
    "1|1|1900|First Pinnacle from age 0-34 years is 2|Second Pinnacle from age 35-43 is 2|Third Pinnacle from age 42-50 is  4|Fourth Pinnacle from age 53 & beyond is 2"
    "29|11|1975|First Pinnacle from age 0-32 years is 4|Second Pinnacle from age 31-39 is 6|Third Pinnacle from age 45-53 is 1|Fourth Pinnacle from age 49 & beyond is 6"
    "21|10|1900|First Pinnacle from age 0-32 years is 22|Second Pinnacle from age 33-41 is 4|Third Pinnacle from age 38-46 is 8|Fourth Pinnacle from age 53 & beyond is 2"
    "9|2|2000|First Pinnacle from age 0-34 years is 11|Second Pinnacle from age 35-43 is 2|Third Pinnacle from age 42-50 is  4|Fourth Pinnacle from age 51 & beyond is 4"
    "31|12|2050|First Pinnacle from age 0-29 years is 7|Second Pinnacle from age 35-43 is 2|Third Pinnacle from age 37-45 is 9|Fourth Pinnacle from age 54 & beyond is 1"
)

first=1
for reading in "${readings[@]}"; do
    IFS='|' read -r day month year caption1 caption2 caption3 caption4 <<<"${reading}"
    echo "== ${day} ${MONTHS[month - 1]} ${year}"
    if [ "${first}" -eq 1 ]; then
        enter_reading "${MAIN}" "${day}" "${month}" "${year}" "ann" "o'neil"
    else
        enter_reading "${MAIN}" "${day}" "${month}" "${year}"
    fi
    first=0
    xdotool key alt+n

    # The main window hides and the results window is the one visible window.
    RESULTS=$(wait_replaced "${MAIN}" "${PID}") || fail "no results window for ${day} ${month} ${year}"
    expect_titles "${PID}"

    copy_report "${RESULTS}" "${ROOT}/report"
    "${PROGRAM}" --report "${day}" "${MONTHS[month - 1]}" "${year}" >"${ROOT}/expected"
    cmp -s "${ROOT}/report" "${ROOT}/expected" ||
        fail "report for ${day} ${month} ${year} differs: $(diff "${ROOT}/expected" "${ROOT}/report" | head -20)"
    printf '%s\n' "${caption1}" "${caption2}" "${caption3}" "${caption4}" >"${ROOT}/captions"
    grep 'Pinnacle from age' "${ROOT}/report" | cmp -s - "${ROOT}/captions" ||
        fail "captions for ${day} ${month} ${year}: $(grep 'Pinnacle from age' "${ROOT}/report")"
    grep -q -e ANN -e "O'NEIL" "${ROOT}/report" && fail "the names reached the report"

    # Passing over the report takes the program's own copy off the clipboard; a selection made by
    # dragging goes from the selection too, while another program's clipboard stays.
    xdotool mousemove --window "${RESULTS}" $((REPORT_BOX[0] + 20)) $((REPORT_BOX[1] + 10))
    wait_until 30 clipboard_empty || fail "the clipboard kept '$(clipboard)'"
    echo "someone else's text" | xclip -selection clipboard -i
    echo "someone else's selection" | xclip -selection primary -i
    wait_until 30 clipboard_is "someone else's text" || fail "could not fill the clipboard"
    wait_until 30 clipboard_is "someone else's selection" primary || fail "could not select"
    # Pressed inside the copied selection, the button would drag that text instead.
    xdotool key ctrl+Home
    xdotool mousemove --window "${RESULTS}" "${REPORT_BOX[@]}" mousedown 1
    xdotool mousemove --window "${RESULTS}" $((REPORT_BOX[0] + 30)) $((REPORT_BOX[1] + 20))
    xdotool mousemove --window "${RESULTS}" $((REPORT_BOX[0] + 60)) $((REPORT_BOX[1] + 40)) mouseup 1
    wait_until 30 clipboard_is "" primary || fail "the selection kept '$(clipboard primary)'"
    clipboard_is "someone else's text" || fail "another program's clipboard became '$(clipboard)'"

    go_back "${MAIN}" "${PID}"
done

# Replaces the focused box's text with $1 through the clipboard. Text outside the keyboard map
# goes in this way: xdotool types it by remapping a spare key for each character, and a program
# that reads the key before the new map arrives drops the character. The box's text is copied
# back, and the paste waited for until the program has taken the clipboard from xclip: the
# program handles keys in order, so it has read the paste by then, before the next box's text
# replaces it on the clipboard.
paste_into() {
    printf '%s' "$1" | xclip -quiet -selection clipboard -i >/dev/null 2>&1 &
    local feeder=$!
    wait_until 30 clipboard_is "$1" || fail "could not fill the clipboard"
    xdotool key ctrl+a ctrl+v ctrl+a ctrl+c
    wait_until 60 eval "! kill -0 ${feeder}" || fail "the program did not take the paste"
    wait "${feeder}" || true
}

echo "== File, Exit and a referral"
# File, Exit: the closing window replaces the main window.
focus "${MAIN}"
xdotool key alt+f x
CLOSING=$(wait_replaced "${MAIN}" "${PID}") || fail "File, Exit did not bring up the closing window alone"
expect_titles "${PID}"
# Mapped once, now: none of the Backs above brought it up, not even for a moment.
[ "$(times_mapped "${MAIN}")" -eq $((${#readings[@]} + 1)) ] || fail "map recording: $(cat "${ROOT}/maps")"
[ "$(times_mapped "${CLOSING}")" -eq 1 ] ||
    fail "the closing window was mapped $(times_mapped "${CLOSING}") times"

# From Exit: the check box, then the name, the button, the e-mail, the friend's e-mail and name.
# The message box stays untouched, as it lies out of sight.
name="Ann O'Neil & Co=1 #2"
email="ann@example.org"
friend_email="bob.smith@example.org"
friend_name="Bob 李 Smith"
focus "${CLOSING}"
xdotool key Tab Tab
xdotool type --delay 20 "${name}"
xdotool key Tab Tab
xdotool type --delay 20 "${email}"
xdotool key Tab
xdotool type --delay 20 "${friend_email}"
xdotool key Tab
paste_into "${friend_name}"
xdotool key alt+n
wait_until 30 test -s "${OPENED}" || fail "Refer A Friend Now handed nothing to the browser"

python3 - "${OPENED}" "${WEB_HOST}" "${name}" "${email}" $'Your Message\r\n' "${friend_name}" \
    "${friend_email}" <<'PY' || fail "referral address: $(cat "${OPENED}")"
import sys, urllib.parse
opened, host, *fields = sys.argv[1:]
addresses = open(opened, encoding="ascii").read().splitlines()
assert len(addresses) == 1, addresses
parts = urllib.parse.urlsplit(addresses[0])
assert (parts.scheme, parts.netloc, parts.path) == ("http", host, "/dazo-vorar-o-zuvara.php"), parts
pairs = [pair.split("=", 1) for pair in parts.query.split("&")]
assert [key for key, _ in pairs] == [f"taf{i}" for i in range(1, 7)], pairs
values = [urllib.parse.unquote(value, errors="strict") for _, value in pairs]
assert values == fields + [f"http://{host}/di-dadi-dizaruva-vudiro/"], values
PY

echo "== the longest referral"
# The longest referral the boxes take: 100,000 CJK characters pasted into each are cut to the
# box's length, and the address, nine bytes a character, still reaches the browser.
long=$(python3 -c 'print("李" * 100000, end="")')
focus "${CLOSING}"
xdotool mousemove --window "${CLOSING}" "${NAME_BOX[@]}" click 1
paste_into "${long}"
xdotool mousemove --window "${CLOSING}" "${EMAIL_BOX[@]}" click 1
paste_into "a@b.${long}"
xdotool mousemove --window "${CLOSING}" "${FRIEND_EMAIL_BOX[@]}" click 1
paste_into "c@d.${long}"
xdotool mousemove --window "${CLOSING}" "${FRIEND_NAME_BOX[@]}" click 1
paste_into "${long}"
xdotool key Tab # into the message box, out of sight
paste_into "${long}"
xdotool key alt+n
# Whole lines only: so long an address may be read while it is still being written; its newline
# comes last.
wait_until 30 eval '[ "$(wc -l <"${OPENED}")" -eq 2 ]' ||
    fail "the longest referral was not handed to the browser"
python3 - "${OPENED}" <<'PY' || fail "longest referral: $(tail -c 300 "${OPENED}")"
import sys, urllib.parse
address = open(sys.argv[1], encoding="ascii").read().splitlines()[1]
assert len(address) < 131072, len(address)
values = [urllib.parse.unquote(pair.split("=", 1)[1], errors="strict")
          for pair in urllib.parse.urlsplit(address).query.split("&")]
cjk = "\u674e"
assert values[:5] == [cjk * 100, "a@b." + cjk * 250, cjk * 2000, cjk * 100, "c@d." + cjk * 250], \
    [len(value) for value in values]
PY

focus "${CLOSING}"
xdotool key alt+x
expect_exit "${PID}" 0
[ ! -e "${LOCK}" ] || fail "the lock outlived the program"
echo "PASS: ${#readings[@]} readings, a referral and a clean exit"
