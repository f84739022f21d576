#!/usr/bin/env bash
# Plays a scenario and compares a file it leaves in the plug-in's folder with its record.
#   Usage: scenario_file.sh TOOL SCENARIO FILE RECORD
set -euo pipefail
tool=$1
scenario=$2
file=$3
record=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$tool" run "$scenario" --dir "$work" >/dev/null
if ! diff "$record" "$work/$file"; then
    echo "$file differs from $record (< record, > now)" >&2
    exit 1
fi
