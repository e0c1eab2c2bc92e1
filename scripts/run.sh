#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
cd "$(dirname "$0")/.."
source scripts/common.sh
install_missing
build
exec ./build/DIDadiDizaruvaVudiro
