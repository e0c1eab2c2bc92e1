# Shared by the scripts the README names: install what is missing, then build with a preset of
# CMakePresets.json. The build's settings (hardening, sanitizers, the Windows toolchain) live in
# CMake; this file only installs packages and chooses a preset.
set -euo pipefail

PACKAGES=(cmake make g++ ccache dpkg-dev qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev fonts-dejavu-core)

# What the test suite runs beside the program: an X server and its tools, a window manager, the
# accessibility bus a screen reader uses, and a Wayland compositor with Qt's Wayland plugin.
TEST_PACKAGES=(xvfb xdotool xclip x11-utils openbox python3 dbus dbus-x11 at-spi2-core
    python3-pyatspi gir1.2-atspi-2.0 weston qt6-wayland)

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y --no-install-recommends "${missing[@]}"
}

# Configures and builds preset $1 (default: the program as the package ships it, into build/).
build() {
    local preset=${1:-default}
    cmake --preset "${preset}"
    cmake --build --preset "${preset}"
}

# Wine's settings, shared with the Wine tests.
source "$(dirname "${BASH_SOURCE[0]}")/../tests/common/wine.sh"
