#!/usr/bin/env bash
# Starts that meet: a second start, ten at once, a start after the running copy was killed, and a
# start over a lock file that a power cut left empty or garbled.
# Usage: instances.sh PROGRAM
source "$(dirname "$0")/lib.sh"

# Answers the refusal of process $1, its only window, then expects it to end with 0. (Its text is
# checked in-process by tst_startup; X offers no way to read it.)
expect_refused() {
    local pid=$1 box
    box=$(wait_windows 1 "${BOX_TITLE}" "${pid}")
    count_is 0 "${TITLE}" "${pid}" || fail "process ${pid} showed a window besides its message"
    focus "${box}"
    xdotool key Return
    expect_exit "${pid}" 0
}

# Ends the one running copy through File, Exit and the closing window's Exit.
end_running() {
    local pid=$1 main closing
    main=$(wait_windows 1 "${TITLE}" "${pid}")
    focus "${main}"
    xdotool key alt+f x
    closing=$(wait_replaced "${main}" "${pid}") || fail "no closing window"
    focus "${closing}"
    xdotool key alt+x
    expect_exit "${pid}" 0
}

echo "== a second start"
start_program
FIRST=${STARTED}
MAIN=$(wait_windows 1 "${TITLE}" "${FIRST}")
start_program
expect_refused "${STARTED}"
[ "$(visible_windows "${TITLE}")" = "${MAIN}" ] || fail "the first instance's window changed"
kill -0 "${FIRST}" || fail "the first instance ended"
end_running "${FIRST}"

echo "== ten starts at once"
batch=()
for _ in $(seq 10); do
    start_program
    batch+=("${STARTED}")
done
wait_windows 1 "${TITLE}" >/dev/null
wait_windows 9 "${BOX_TITLE}" >/dev/null
SURVIVOR=""
for pid in "${batch[@]}"; do
    if count_is 1 "${TITLE}" "${pid}"; then
        SURVIVOR=${pid}
    else
        expect_refused "${pid}"
    fi
done
[ -n "${SURVIVOR}" ] || fail "no start survived"
count_is 1 "${TITLE}" || fail "more than one main window"

echo "== a start after the running copy was killed"
kill -KILL "${SURVIVOR}"
expect_exit "${SURVIVOR}" 137
[ -e "${LOCK}" ] || fail "the killed copy left no lock to recover"
start_program
RECOVERED=${STARTED}
wait_windows 1 "${TITLE}" "${RECOVERED}" >/dev/null
count_is 0 "${BOX_TITLE}" || fail "the killed copy's lock refused the start"
end_running "${RECOVERED}"

for content in "" "garbage"; do
    echo "== a start over a lock file holding '${content}'"
    printf '%s' "${content}" >"${LOCK}"
    touch -d '1 minute ago' "${LOCK}" # left by an earlier run, not in the making
    start_program
    wait_windows 1 "${TITLE}" "${STARTED}" >/dev/null
    count_is 0 "${BOX_TITLE}" || fail "a damaged lock refused the start"
    end_running "${STARTED}"
    [ ! -e "${LOCK}" ] || fail "the lock outlived the program"
done
echo "PASS"
