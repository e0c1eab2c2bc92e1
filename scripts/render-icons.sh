#!/usr/bin/env bash
# Renders the program icon at the sizes the hicolor theme and the windows use, from the SVGs in
# resources/. The PNGs are committed, so a build needs no SVG renderer; run this after changing
# an SVG and commit the result.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
install_missing librsvg2-bin
# The sizes come from the build's configuration.
cmake -S . -B build >/dev/null
source build/facts.sh
for size in ${ZT_ICON_SIZES}; do
    # Below 32 pixels the hinted drawing keeps the ring a whole pixel wide.
    source=resources/icon.svg
    [ "$size" -lt 32 ] && source=resources/icon-small.svg
    rsvg-convert --width "$size" --height "$size" "$source" --output "resources/icon-$size.png"
done
