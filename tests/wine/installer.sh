#!/usr/bin/env bash
# The installer under Wine, as an administrator would use it from a script: a silent install for
# the user alone, again over that copy, refused while the program runs, then for every user over
# it; Installed apps lists one copy at every step, and the last uninstall takes away every file.
# Usage: installer.sh SETUP.exe VERSION_TEXT
set -euo pipefail
setup=$(readlink -f "$1")
expected_version=$2
source "$(dirname "$0")/../common/session.sh"
[ -n "${WINEPREFIX:-}" ] || skip_test "no WINEPREFIX: scripts/windows.sh sets up Wine"
work=$(mktemp -d "${TMPDIR:-/tmp}/zt-installer.XXXXXX")
program=""
trap '[ -z "${program}" ] || kill "${program}" 2>/dev/null; rm -rf "${work}"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

drive=$(winepath -u 'C:\' 2>/dev/null)
machine="${drive}/Program Files/ZT Phasewise"
local_data="${drive}/users/$(id -un)/AppData/Local"
user="${local_data}/Programs/ZT Phasewise"
key='Software\Microsoft\Windows\CurrentVersion\Uninstall\ZT Phasewise'
# Programs started by their Unix path see Z:, where the uninstaller would not know its copy.
windows() { winepath -w "$1" 2>/dev/null; }
exit_code() { "$@" >/dev/null 2>&1 && echo 0 || echo $?; }
entries() { for hive in HKCU HKLM; do ! wine reg query "${hive}\\${key}" &>/dev/null || echo "${hive}"; done; }
# The uninstaller waits in place only with _?= last and unquoted, and Wine quotes an argument
# with spaces: cmd reads the line from a file.
uninstall_in_place() {
    printf '@"%s\\Uninstall.exe" /S _?=%s\r\n@exit /b %%errorlevel%%\r\n' "$(windows "$1")" \
        "$(windows "$1")" >"${work}/uninstall.bat" && wine cmd /c "$(windows "${work}/uninstall.bat")"
}
# Installs with the switch; the copy must be in its folder alone, with one uninstall entry.
install() {
    wine "${setup}" /S "$1" || fail "the silent install $1 failed"
    [ -f "$2/bin/DIDadiDizaruvaVudiro.exe" ] && [ ! -e "$3" ] && [ "$(entries)" = "$4" ] ||
        fail "the install $1 is not in $2 alone: $(entries)"
}
# What an earlier run that stopped half-way left behind. The program's lock folder, empty once it
# has ended, goes with the last uninstall; the folder for each user's own programs, which Windows
# has, stays.
for copy in "${machine}" "${user}"; do
    [ ! -e "${copy}" ] || uninstall_in_place "${copy}" || true
    rm -rf "${copy}"
done
rmdir "${local_data}/DIDadiDizaruvaVudiro" 2>/dev/null || true
mkdir -p "${local_data}/Programs"
# Wine's own temporary and cached files come and go; everything else is compared.
files() {
    (cd "${drive}" && find . -path ./windows -prune -o -path '*/Temp' -prune -o -print) | sort
}
files >"${work}/before"

install /CurrentUser "${user}" "${machine}" HKCU
shown=$(wine reg query "HKCU\\${key}" | tr -d '\r')
for value in "DisplayName *REG_SZ *${expected_version% *}" "Publisher *REG_SZ *Zentari Softwares" \
    "DisplayVersion *REG_SZ *${expected_version##* }" "EstimatedSize *REG_DWORD *0x[1-9a-f].*" \
    "DisplayIcon *REG_SZ *C:.*Programs.ZT Phasewise.bin.DIDadiDizaruvaVudiro.exe"; do
    grep -qx " *${value}" <<<"${shown}" || fail "no '${value}' in the uninstall entry: ${shown}"
done
shortcut=$(cd "${drive}" && find . -path '*/Start Menu/Programs/*' -name 'ZT Phasewise.lnk' | head -1)
[ -n "${shortcut}" ] || fail "no Start-menu entry"

install /CurrentUser "${user}" "${machine}" HKCU
wine "${user}/bin/DIDadiDizaruvaVudiro.exe" >/dev/null 2>&1 &
program=$!
wait_until 60 test -e "${local_data}/DIDadiDizaruvaVudiro/DIDadiDizaruvaVudiro.lock" ||
    fail "the program did not start"
version=$(wine "${user}/bin/DIDadiDizaruvaVudiro.exe" --version 2>&1 | tr -d '\r') || true
[ "${version}" = "${expected_version}" ] || fail "--version of the installed program: '${version}'"
status="$(exit_code wine "${setup}" /S /CurrentUser) $(exit_code uninstall_in_place "${user}")"
[ "${status}" = "32 32" ] && [ -f "${user}/Uninstall.exe" ] && [ "$(entries)" = HKCU ] &&
    [ -f "${user}/bin/DIDadiDizaruvaVudiro.exe" ] ||
    fail "beside the program, install and uninstall ended with ${status}, leaving $(entries)"
wine taskkill /IM DIDadiDizaruvaVudiro.exe >/dev/null 2>&1 || fail "taskkill found no program"
wait "${program}" || fail "the program ended with $?"
program=""

install /AllUsers "${machine}" "${user}" HKLM
# The uninstaller copies itself away and returns at once; its copy removes the rest.
wine "$(windows "${machine}")\\Uninstall.exe" /S || fail "the silent uninstall failed"
wait_until 120 eval 'files >"${work}/after"; diff -q "${work}/before" "${work}/after" >/dev/null &&
    [ -z "$(entries)" ]' || fail "the uninstall left: $(entries) $(diff "${work}"/{before,after})"
echo "PASS: for the user, over it, refused beside the program, for all over it, uninstalled clean"
