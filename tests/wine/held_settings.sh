#!/usr/bin/env bash
# The shipped plug-in notices Quillomar.ini changed while another program holds it open against
# reading: the settings in force stay, the log says why once, in Windows' words, and the file is
# read when the program lets go. Files are not locked on Linux, so this is Windows' own test.
set -euo pipefail
source "$(dirname "$0")/wine_env.sh"

work="$WINE_TEST_DIR/runs/held-settings"
fresh_dir "$work"
play_wine "$SOURCE_DIR/tests/wine/held/held_settings.json" "$work" "$work/trace.jsonl" >/dev/null ||
    fail "the scenario's expectations do not hold under Wine"
told=$(grep -c $'^At .*, Quillomar.ini changed but cannot be read (.* (error 32)), so the settings in force stay until it can be read\r$' \
    "$work/Quillomar.log") || true
[ "$told" -eq 1 ] || fail "the log tells the held file $told times: $(cat "$work/Quillomar.log")"
[ "$(grep -c '^{"reload":' "$work/trace.jsonl")" -eq 1 ] || fail "the trace does not record the one reading again"
echo "a held settings file: the settings in force stay, told once; read when let go"
