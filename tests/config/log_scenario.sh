#!/usr/bin/env bash
# Plays a scenario and compares the log the plug-in wrote, after its first line (the version and
# the time), with the record beside the scenario, NAME.log; the log's report must also be what
# `quillomar check` prints for the same file.   Usage: log_scenario.sh TOOL SCENARIO
set -euo pipefail
tool=$1
scenario=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$tool" run "$scenario" --dir "$work" >/dev/null
if ! tail -n +2 "$work/Quillomar.log" | diff "${scenario%.json}.log" -; then
    echo "the log differs from ${scenario%.json}.log (< record, > now)" >&2
    exit 1
fi
"$(dirname "$0")/same_report.sh" "$tool" "$work"
