#!/usr/bin/env bash
# A settings file that another program holds open without sharing is neither replaced nor
# read: every key takes its default, so the run traces as a Linux run that starts without one,
# but for the notice on screen that the file has a problem.
set -euo pipefail
source "$(dirname "$0")/wine_env.sh"

scenario="$SOURCE_DIR/tests/wine/scenarios/start_up.json"
work="$WINE_TEST_DIR/runs/locked-file"
fresh_dir "$work"
mkdir "$work/linux" "$work/wine"
# Were it read, the plug-in would stop every frame at its first gate.
printf '[Settings]\r\nEnabled=0\r\nPromptText=Locked\r\n' >"$work/locked.ini"
cp "$work/locked.ini" "$work/wine/Quillomar.ini"

play_linux "$scenario" "$work/linux" "$work/linux.jsonl"
play_wine "$scenario" "$work/wine" "$work/wine.jsonl" --lock-settings
cmp "$work/locked.ini" "$work/wine/Quillomar.ini" || fail "the locked file was replaced"
"$SOURCE_DIR/scripts/trace_notice_diff.py" "$work/linux.jsonl" "$work/wine.jsonl" | tee "$work/diff.txt"
grep -q "the same but for the notice in [1-9]" "$work/diff.txt" || fail "no notice that the file cannot be read"
