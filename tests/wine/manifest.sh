#!/usr/bin/env bash
# The application manifest of the program file, where Windows looks for it (resource type 24,
# number 1), with each element that spares the program the shims Windows gives one without it.
# Usage: manifest.sh PROGRAM.exe NAME VERSION
set -euo pipefail
dump() { x86_64-w64-mingw32-objdump "$1" "${program}"; }
program=$1
# The resource tree as objdump lists it: types, then names, then each language's data.
read -r rva size < <(dump -p | awk '/^[0-9a-f]+   Entry:/ { type = $4 } /^[0-9a-f]+     Entry:/ { name = $4 }
    /Leaf:/ && type == "0x000018," && name == "0x000001," { print $4, $6 }' | tr -d ,) || true
[ -n "${size:-}" ] || { echo "FAIL: ${program} has no manifest"; exit 1; }
base=$(dump -p | awk '/Resource Directory \[/ { print "0x" $3 }')
offset=$(dump -h | awk '$2 == ".rsrc" { print "0x" $6 }')
manifest=$(dd if="${program}" iflag=skip_bytes,count_bytes skip=$((rva - base + offset)) \
    count=$((size)) status=none | tr -s ' \n' ' ')
for element in "<assemblyIdentity type=\"win32\" name=\"$2\" version=\"$3\"/>" \
    '<requestedExecutionLevel level="asInvoker" uiAccess="false"/>' \
    '<compatibility xmlns="urn:schemas-microsoft-com:compatibility.v1"> <application> <supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"/>' \
    '<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true/pm</dpiAware>' \
    '<dpiAwareness xmlns="http://schemas.microsoft.com/SMI/2016/WindowsSettings">PerMonitorV2</dpiAwareness>' \
    '<activeCodePage xmlns="http://schemas.microsoft.com/SMI/2019/WindowsSettings">UTF-8</activeCodePage>'; do
    [[ "${manifest}" == *"${element}"* ]] || { echo "FAIL: the manifest lacks ${element}: ${manifest}"; exit 1; }
done
echo "PASS: ${program} carries its manifest"
