#!/usr/bin/env bash
# The installer under Wine, as an administrator would use it from a script: a silent install puts
# the program and its Start-menu entry in place, the installed program answers --version, and a
# silent uninstall takes away every file the install made.
# Usage: installer.sh SETUP.exe VERSION_TEXT
set -euo pipefail
setup=$(readlink -f "$1")
expected_version=$2
source "$(dirname "$0")/../common/session.sh"
[ -n "${WINEPREFIX:-}" ] || skip_test "no WINEPREFIX: scripts/windows.sh sets up Wine"
work=$(mktemp -d "${TMPDIR:-/tmp}/zt-installer.XXXXXX")
trap 'rm -rf "${work}"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

drive=$(winepath -u 'C:\' 2>/dev/null)
folder="${drive}/Program Files/ZT Phasewise"
if [ -e "${folder}" ]; then
    # What an earlier run that stopped half-way left behind.
    wine "${folder}/Uninstall.exe" /S || true
    wait_until 120 eval "! test -e '${folder}'" || fail "${folder} is there before the install"
fi
# Wine's own temporary and cached files come and go; everything else is compared.
files() {
    (cd "${drive}" && find . -path ./windows -prune -o -path '*/Temp' -prune -o -print) | sort
}
files >"${work}/before"

wine "${setup}" /S || fail "the silent install failed"
wait_until 60 test -f "${folder}/bin/DIDadiDizaruvaVudiro.exe" || fail "no program in ${folder}"
shortcut=$(cd "${drive}" && find . -path '*/Start Menu/Programs/*' -name 'ZT Phasewise.lnk' | head -1)
[ -n "${shortcut}" ] || fail "no Start-menu entry"
version=$(wine "${folder}/bin/DIDadiDizaruvaVudiro.exe" --version 2>&1 | tr -d '\r') || true
[ "${version}" = "${expected_version}" ] || fail "--version of the installed program: '${version}'"

# The uninstaller copies itself away and returns at once; its copy removes the rest.
wine "${folder}/Uninstall.exe" /S || fail "the silent uninstall failed"
wait_until 120 eval 'files >"${work}/after"; diff -q "${work}/before" "${work}/after" >/dev/null' ||
    fail "the uninstall left files: $(diff "${work}/before" "${work}/after")"
echo "PASS: installed silently, answered --version, uninstalled without a trace"
