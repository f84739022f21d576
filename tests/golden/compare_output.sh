#!/usr/bin/env bash
# Runs a command and compares what it prints with a checked-in record.
#   compare_output.sh RECORD COMMAND [ARGS...]
# scripts/update_goldens.sh writes every record anew; review its diff before committing it.
set -euo pipefail
record=$1
shift
actual=$(mktemp)
trap 'rm -f "$actual"' EXIT
"$@" >"$actual"
if ! cmp -s "$record" "$actual"; then
    diff "$record" "$actual" | head -n 40 >&2
    echo "the output differs from $record (< record, > now)" >&2
    exit 1
fi
