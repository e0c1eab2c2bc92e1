#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz and runs each for a bounded time
# (FUZZ_SECONDS, 60 by default) from its seed corpus in fuzz/corpus. Any crash, broken property,
# leak or undefined behaviour fails the check and leaves the input in build-fuzz/findings.
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/common.sh
install_missing clang libclang-rt-14-dev

seconds="${FUZZ_SECONDS:-60}"
build fuzz

targets=()
for seeds in fuzz/corpus/*/; do
    targets+=("fuzz_$(basename "${seeds}")")
done

# The first memory error, undefined behaviour or leak ends the run.
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export QT_QPA_PLATFORM=offscreen
mkdir -p build-fuzz/findings
status=0
for target in "${targets[@]}"; do
    name="${target#fuzz_}"
    corpus="build-fuzz/corpus/${name}"
    mkdir -p "${corpus}"
    echo "== ${target}: ${seconds} s"
    # The first folder collects what the run finds interesting; the seeds stay untouched.
    if ! "build-fuzz/fuzz/${target}" "${corpus}" "fuzz/corpus/${name}" \
        -max_total_time="${seconds}" -print_final_stats=1 \
        -artifact_prefix="build-fuzz/findings/${name}-" 2>"build-fuzz/${target}.log"; then
        tail -n 60 "build-fuzz/${target}.log"
        status=1
    fi
    grep -E '^stat::(number_of_executed_units|average_exec_per_sec|new_units_added)' \
        "build-fuzz/${target}.log" || true
done
exit "${status}"
