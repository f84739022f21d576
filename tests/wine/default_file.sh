#!/usr/bin/env bash
# Without a settings file the shipped plug-in writes the 136 default lines, each ending in
# CR LF; a second start leaves that file untouched. Both runs trace as the Linux build does.
set -euo pipefail
source "$(dirname "$0")/wine_env.sh"

scenario="$SOURCE_DIR/tests/wine/scenarios/start_up.json"
work="$WINE_TEST_DIR/runs/default-file"
fresh_dir "$work"
mkdir "$work/linux" "$work/wine"
sed 's/$/\r/' "$SOURCE_DIR/tests/config/default_settings.ini" >"$work/expected.ini"
[ "$(grep -c $'\r$' "$work/expected.ini")" -eq 136 ] || fail "the reference file has not 136 lines"
written="$work/wine/Quillomar.ini"

play_linux "$scenario" "$work/linux" "$work/linux.jsonl"
play_wine "$scenario" "$work/wine" "$work/first.jsonl"
cmp "$work/expected.ini" "$written" || fail "the file written is not the 136 default lines with CR LF"
same_traces "$work/linux.jsonl" "$work/first.jsonl"

# An old time stamp shows whether the second start rewrites the file, even with the same text.
touch -d '2001-02-03 04:05:06' "$written"
stamp=$(stat -c %Y "$written")
play_wine "$scenario" "$work/wine" "$work/second.jsonl"
[ "$(stat -c %Y "$written")" = "$stamp" ] || fail "the second start rewrote the file"
cmp "$work/expected.ini" "$written" || fail "the second start changed the file"
same_traces "$work/linux.jsonl" "$work/second.jsonl"
