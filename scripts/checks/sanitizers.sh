#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan and runs
# the whole test suite there: the first memory error, undefined behaviour or leak fails it.
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/common.sh
install_missing "${TEST_PACKAGES[@]}"
build asan
ctest --preset asan
