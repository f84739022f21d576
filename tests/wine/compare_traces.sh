#!/usr/bin/env bash
# Plays a scenario in the Linux build and against the shipped plug-in under Wine: the traces,
# settings line included, must be equal.   Usage: compare_traces.sh SCENARIO
set -euo pipefail
source "$(dirname "$0")/wine_env.sh"

scenario=$1
work="$WINE_TEST_DIR/runs/trace-$(basename "$scenario" .json)"
fresh_dir "$work"
mkdir "$work/linux" "$work/wine"
play_linux "$scenario" "$work/linux" "$work/linux.jsonl"
play_wine "$scenario" "$work/wine" "$work/wine.jsonl"
same_traces "$work/linux.jsonl" "$work/wine.jsonl"
