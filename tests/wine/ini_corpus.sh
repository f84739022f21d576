#!/usr/bin/env bash
# Every key of the plug-in read from every file of the INI corpus: Windows' private-profile
# functions under Wine and the portable reader must give the same text and integers.
set -euo pipefail
source "$(dirname "$0")/wine_env.sh"

work="$WINE_TEST_DIR/runs/ini-corpus"
fresh_dir "$work"
cd "$SOURCE_DIR/tests/platform/ini_corpus"
# A UTF-16 file of odd length ends in a stray byte that Windows reads with a byte past the file's
# end, whatever memory holds there: only the portable reader's record holds those two files.
files=()
for file in *.ini; do [[ $file == *_odd_length.ini ]] || files+=("$file"); done
[ "${#files[@]}" -ge 30 ] || fail "the corpus has only ${#files[@]} files"

"$(linux_program tests/wine/ini_probe)" "${files[@]}" >"$work/portable.txt"
"$WINE" "$WINE_TEST_DIR/ini_probe.exe" "${files[@]}" | tr -d '\r' >"$work/windows.txt"
[ "$(grep -c '^== ' "$work/windows.txt")" -eq "${#files[@]}" ] || fail "the Windows probe did not read every file"
if ! cmp -s "$work/windows.txt" "$work/portable.txt"; then
    diff "$work/windows.txt" "$work/portable.txt" | head -n 40 >&2
    fail "the portable reader differs from Windows (< Windows, > portable)"
fi
echo "${#files[@]} files, $(grep -vc '^== ' "$work/windows.txt") keys each read as Windows reads them"
