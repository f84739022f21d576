#!/usr/bin/env bash
# Plays a scenario and prints what it tells (its expectations must hold), the digest of its trace,
# the record of every native call, so that any change to the calls shows, and the digest of its
# effects (trace_effects.py), which holds while only the questions the plug-in asks change.
#   scenario.sh TOOL FILE
set -euo pipefail
tool=$1
file=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The first line names the temporary folder the plug-in ran in.
"$tool" run "$file" --dir "$work/dir" --trace "$work/trace.jsonl" | tail -n +2
echo "trace sha256 $(sha256sum <"$work/trace.jsonl" | cut -d' ' -f1)"
echo "effects sha256 $("$(dirname "$0")/trace_effects.py" "$work/trace.jsonl" | sha256sum | cut -d' ' -f1)"
