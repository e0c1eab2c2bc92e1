#!/usr/bin/env bash
# Installs what is missing, builds, and makes the Debian package build/zt-phasewise_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
# dpkg-shlibdeps, from dpkg-dev, works out the libraries the package depends on.
install_missing dpkg-dev file
build
(cd build && cpack -G DEB)
