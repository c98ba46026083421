#!/usr/bin/env bash
# Checks that every function declared in the public header is exported by
# the DLL under its plain name, and that the DLL exports nothing undeclared.
set -euo pipefail
header=$1
dll=$2
# The library's own functions, and the custom-control entry of dialog editors.
names='Qel[A-Za-z0-9_]+|CustomControlInfoA'
declared=$(grep -oE "(WINAPI|CALLBACK) ($names)\(" "$header" | sed -E "s/.* ($names)\(/\1/" | sort -u)
exported=$(i686-w64-mingw32-objdump -p "$dll" |
    sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
    grep -oE '^\s*\[ *[0-9]+\] [A-Za-z_@0-9]+' | sed -E 's/.*\] //' | sed 's/^\] //' | sort -u)
status=0
if grep -q '@' <<<"$exported"; then
    echo "decorated export names:"; grep '@' <<<"$exported"; status=1
fi
missing=$(comm -23 <(echo "$declared") <(echo "$exported"))
extra=$(comm -13 <(echo "$declared") <(echo "$exported") | grep -v '^DllMain$' || true)
[ -z "$missing" ] || { echo "declared but not exported:"; echo "$missing"; status=1; }
[ -z "$extra" ] || { echo "exported but not declared:"; echo "$extra"; status=1; }
echo "$(wc -l <<<"$declared") functions declared and exported"
exit $status
