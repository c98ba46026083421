#!/usr/bin/env bash
# Checks a built DLL against the public header:
#   check_exports.sh OBJDUMP BITS HEADER DLL [HEADER...]
# (the further headers declare exports of the test build).
# - every function declared in the header is exported under its plain name,
#   and the DLL exports nothing undeclared;
# - the DLL is a PE32 (BITS 32) or PE32+ (BITS 64) image;
# - it imports system DLLs only.
set -euo pipefail
objdump=$1
bits=$2
header=$3
dll=$4
shift 4
headers=("$header" "$@")
dump=$("$objdump" -p "$dll")
status=0

magic=$(grep -oE '^Magic[[:space:]]+[0-9a-f]+' <<<"$dump" | awk '{print $2}')
want=$([ "$bits" = 64 ] && echo 020b || echo 010b)
if [ "$magic" != "$want" ]; then
    echo "image magic $magic, expected $want for a $bits-bit DLL"; status=1
fi

# The library's own functions, and the custom-control entry of dialog editors.
names='Qel[A-Za-z0-9_]+|CustomControlInfoA'
declared=$(cat "${headers[@]}" | grep -oE "(WINAPI|CALLBACK) ($names)\(" | sed -E "s/.* ($names)\(/\1/" | sort -u)
exported=$(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$dump" |
    grep -oE '^\s*\[ *[0-9]+\] [A-Za-z_@0-9]+' | sed -E 's/.*\] //' | sort -u)
if grep -q '@' <<<"$exported"; then
    echo "decorated export names:"; grep '@' <<<"$exported"; status=1
fi
missing=$(comm -23 <(echo "$declared") <(echo "$exported"))
extra=$(comm -13 <(echo "$declared") <(echo "$exported") | grep -v '^DllMain$' || true)
[ -z "$missing" ] || { echo "declared but not exported:"; echo "$missing"; status=1; }
[ -z "$extra" ] || { echo "exported but not declared:"; echo "$extra"; status=1; }

imports=$(grep -oE 'DLL Name: .*' <<<"$dump" | sed 's/DLL Name: //' | tr 'A-Z' 'a-z' | sort -u)
foreign=$(grep -vxE 'kernel32.dll|user32.dll|gdi32.dll|msvcrt.dll|advapi32.dll|oleacc.dll|oleaut32.dll|ole32.dll|api-ms-win-crt-[a-z0-9-]+\.dll' <<<"$imports" || true)
[ -z "$foreign" ] || { echo "imports beyond the system DLLs:"; echo "$foreign"; status=1; }

echo "$(wc -l <<<"$declared") functions declared and exported; $bits-bit image; imports:" $imports
exit $status
