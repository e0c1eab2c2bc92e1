#!/usr/bin/env bash
# Installs what is missing, builds, and runs every benchmark: the reading (compute and compose),
# the start-up against the floor program under a private Xvfb, and the in-process latency of
# Next and Back. Prints figures; it passes or fails nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
install_missing xvfb xauth
build
echo "== reading (compute and compose)"
./build/bench/bench_reading
echo "== start-up against the floor program"
./build/bench/bench_startup --runs "${RUNS:-30}"
echo "== Next and Back, in-process, on a private Xvfb"
xvfb-run -a -s "-nolisten tcp -screen 0 1280x1024x24" \
    env QT_QPA_PLATFORM=xcb ./build/bench/bench_latency "${READINGS:-500}"
