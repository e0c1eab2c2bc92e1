# Shared by run.sh and test.sh: install what is missing, then configure and build.
set -euo pipefail

PACKAGES=(cmake make g++ ccache dpkg-dev qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev fonts-dejavu-core)

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

# The hardening Debian asks of a packaged program (dpkg-buildflags, immediate binding included),
# with the stack-clash and control-flow protection that Debian 12's dpkg does not add yet.
hardening() {
    local flags
    flags=$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1")
    if [ "$1" = CXXFLAGS ]; then
        flags="${flags} $(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get CPPFLAGS)"
        for flag in -fstack-clash-protection -fcf-protection; do
            [[ " ${flags} " == *" ${flag} "* ]] || flags="${flags} ${flag}"
        done
    fi
    echo "${flags}"
}

# Configures the build folder $1 with the options that follow. A compiler cache, where there is
# one, makes a second build of the same sources quick.
configure() {
    local folder=$1
    shift
    local launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S . -B "${folder}" "${launcher[@]}" "$@"
}

# Memory errors, undefined behaviour and leaks stop a sanitized program at the first finding.
stop_at_first_finding() {
    export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1
    export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
}

# The build that the tests check and the package ships; a debug build (BUILD_TYPE=Debug) keeps
# the compiler's own flags.
build() {
    local options=(-DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}")
    if [ "${BUILD_TYPE:-}" != Debug ]; then
        options+=(-DCMAKE_CXX_FLAGS="$(hardening CXXFLAGS)")
        options+=(-DCMAKE_EXE_LINKER_FLAGS="$(hardening LDFLAGS)")
    else
        options+=(-DCMAKE_CXX_FLAGS= -DCMAKE_EXE_LINKER_FLAGS=)
    fi
    configure build "${options[@]}"
    cmake --build build -j2
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
