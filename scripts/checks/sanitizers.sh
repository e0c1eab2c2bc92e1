#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan and runs
# the whole test suite there: the first memory error, undefined behaviour or leak fails it.
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/common.sh
install_missing xvfb xdotool xclip python3

# -O1 keeps the instrumented tests quick without hiding the stack traces.
configure build-asan -DZT_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g"
cmake --build build-asan -j2

stop_at_first_finding
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build-asan --output-on-failure -j2
