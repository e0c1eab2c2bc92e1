#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan and runs
# the whole test suite there: the first memory error, undefined behaviour or leak fails it.
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/common.sh
install_missing xvfb xdotool xclip python3

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# -O1 keeps the instrumented tests quick without hiding the stack traces.
cmake -S . -B build-asan -DZT_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" "${launcher[@]}"
cmake --build build-asan -j2

export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build-asan --output-on-failure -j2
