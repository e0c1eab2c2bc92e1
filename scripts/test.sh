#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless: the extra checks in
# scripts/checks/ (each installs what it needs), then the test programs under CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
install_missing xvfb xdotool xclip x11-utils openbox python3
build
shopt -s nullglob
for check in scripts/checks/*.sh; do
    echo "== ${check}"
    bash "${check}"
done
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j2
