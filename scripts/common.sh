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

# Where the Windows build keeps what it makes once: the static Qt and Wine's prefix.
WINDOWS_CACHE=${ZT_WINDOWS_CACHE:-${XDG_CACHE_HOME:-${HOME:-/tmp}/.cache}/zt-phasewise-windows}

# Wine for the Windows build: a prefix of the build's own beside the cache, never the user's
# ~/.wine; it asks for neither Mono nor Gecko, which the program never needs, and mirrors no
# Start-menu entry onto this desktop. The Wine tests inherit it through ctest.
wine_environment() {
    export WINEPREFIX=${WINDOWS_CACHE}/wine WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
}
