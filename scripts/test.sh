#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
cd "$(dirname "$0")/.."
source scripts/common.sh
install_missing
build
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j2
