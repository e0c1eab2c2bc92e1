#!/usr/bin/env bash
# Everything CI checks on Linux, headless: the steps in turn, each installing what it needs and
# building a preset of its own (CMakePresets.json):
#   suite       the test suite on the build the package ships (build/; the quick command,
#               `cmake --workflow --preset default`, runs the same once the packages are in)
#   sanitizers  the suite again under AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/)
#   fuzz        the libFuzzer targets for a bounded time (build-fuzz/)
#   package     the Debian package: built from build/, checked, installed, started and removed
# Naming steps runs only those: bash scripts/test.sh suite package
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
steps=("$@")
[ ${#steps[@]} -gt 0 ] || steps=(suite sanitizers fuzz package)
for step in "${steps[@]}"; do
    [ -f "scripts/checks/${step}.sh" ] || { echo "test.sh: no step '${step}'" >&2; exit 2; }
done
for step in "${steps[@]}"; do
    echo "== ${step}"
    started=$SECONDS
    bash "scripts/checks/${step}.sh"
    echo "== ${step}: passed in $((SECONDS - started)) s"
done
