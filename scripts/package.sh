#!/usr/bin/env bash
# Installs what is missing, builds, and makes the Debian package build/zt-phasewise_<version>_<arch>.deb.
# The commands are a packager's plain ones: the hardening comes from the CMake project itself.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
# dpkg-shlibdeps, from dpkg-dev, works out the libraries the package depends on.
install_missing dpkg-dev file
cmake -S . -B build
cmake --build build -j2
(cd build && cpack -G DEB)
