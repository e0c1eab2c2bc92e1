# shellcheck shell=bash
# Wine for the Windows build, sourced by the Wine tests and by the scripts that build, test and
# photograph the Windows program.

# Where the Windows build keeps what it makes once: the static Qt and Wine's prefix.
WINDOWS_CACHE=${ZT_WINDOWS_CACHE:-${XDG_CACHE_HOME:-${HOME:-/tmp}/.cache}/zt-phasewise-windows}

# A prefix of the build's own beside the cache, never the user's ~/.wine; it asks for neither Mono
# nor Gecko, which the program never needs, and mirrors no Start-menu entry onto this desktop.
wine_environment() {
    export WINEPREFIX=${WINDOWS_CACHE}/wine WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
}
