#!/usr/bin/env bash
# Installs what is missing, builds, and runs every benchmark: the reading (compute and compose),
# the start-up against the floor program under a private Xvfb, the in-process latency of Next and
# Back, and the memory over a long session of them (LONG_READINGS=5000 rounds, about a minute;
# 0 leaves it out). Prints figures; it passes or fails nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
install_missing xvfb
build
echo "== reading (compute and compose)"
./build/bench/bench_reading
echo "== start-up against the floor program"
./build/bench/bench_startup --runs "${RUNS:-30}"
echo "== Next and Back, in-process, on a private Xvfb"
source tests/common/session.sh
session=$(mktemp -d /tmp/zt-bench.XXXXXX)
XVFB_PID=""
trap 'kill "${XVFB_PID}" 2>/dev/null || true; rm -rf "${session}"' EXIT
start_xvfb "${session}" 1280x1024
QT_QPA_PLATFORM=xcb ./build/bench/bench_latency "${READINGS:-500}"
if [ "${LONG_READINGS:-5000}" -gt 0 ]; then
    echo "== memory over a long session of Next and Back, in-process, on the same Xvfb"
    QT_QPA_PLATFORM=xcb ./build/bench/bench_latency "${LONG_READINGS:-5000}"
fi
