#!/usr/bin/env bash
# Builds the program as the package ships it into build/ and runs the whole test suite there.
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/common.sh
install_missing "${TEST_PACKAGES[@]}"
cmake --workflow --preset default
