#!/usr/bin/env bash
# Fails unless a plug-in DLL imports from the script host exactly its eight entry points, under
# their decorated names, otherwise only from DLLs that ship with Windows (no MinGW runtime DLL),
# and exports nothing.   Usage: check_imports.sh DLL [OBJDUMP]
set -euo pipefail
dll=$1
objdump=${2:-x86_64-w64-mingw32-objdump}

host_imports=(
    '?scriptRegister@@YAXPEAUHINSTANCE__@@P6AXXZ@Z'
    '?scriptUnregister@@YAXPEAUHINSTANCE__@@@Z'
    '?scriptWait@@YAXK@Z'
    '?keyboardHandlerRegister@@YAXP6AXKGEHHHH@Z@Z'
    '?keyboardHandlerUnregister@@YAXP6AXKGEHHHH@Z@Z'
    '?nativeInit@@YAX_K@Z'
    '?nativePush64@@YAX_K@Z'
    '?nativeCall@@YAPEA_KXZ'
)
windows_dlls=(kernel32.dll msvcrt.dll ntdll.dll user32.dll advapi32.dll)

headers=$("$objdump" -p "$dll")
# "DLL<TAB>name" per imported function, from the import tables.
imports=$(awk '/^\tDLL Name: / { dll = $3; next }
               dll != "" && /^\t[0-9a-f]+\t +[0-9]+ +[^ ]/ { print dll "\t" $3 }
               /^$/ { dll = "" }' <<<"$headers")
# Names in the export table.
exports=$(awk '/^\[Ordinal\/Name Pointer\] Table/ { table = 1; next }
               table && /^\t\[ *[0-9]+\] / { print $3; next }
               table && /^$/ { table = 0 }' <<<"$headers")
dlls=$(grep '^	DLL Name: ' <<<"$headers" | awk '{ print $3 }')

failures=0
fail() {
    echo "$dll: $1"
    failures=$((failures + 1))
}

lower() { tr '[:upper:]' '[:lower:]' <<<"$1"; }

is_windows_dll() {
    local name
    name=$(lower "$1")
    for known in "${windows_dlls[@]}"; do [ "$name" = "$known" ] && return 0; done
    return 1
}

while read -r name; do
    [ -n "$name" ] || continue
    [ "$(lower "$name")" = "scripthookrdr2.dll" ] || is_windows_dll "$name" || fail "unexpected DLL: $name"
done <<<"$dlls"

host_found=$(awk -F'\t' 'tolower($1) == "scripthookrdr2.dll" { print $2 }' <<<"$imports" | sort)
expected=$(printf '%s\n' "${host_imports[@]}" | sort)
while read -r name; do
    [ -n "$name" ] && fail "unexpected import: ScriptHookRDR2.dll!$name"
done < <(comm -13 <(echo "$expected") <(echo "$host_found"))
while read -r name; do
    [ -n "$name" ] && fail "missing import: ScriptHookRDR2.dll!$name"
done < <(comm -23 <(echo "$expected") <(echo "$host_found"))

while read -r name; do
    [ -n "$name" ] && fail "unexpected export: $name"
done <<<"$exports"

if [ "$failures" -gt 0 ]; then
    exit 1
fi
echo "$dll: imports $(wc -l <<<"$imports") functions from $(echo $dlls), exports nothing"
