#!/usr/bin/env bash
# The report in DIR/Quillomar.log must be what `quillomar check DIR` prints.
#   Usage: same_report.sh TOOL DIR
set -euo pipefail
tool=$1
dir=$2
logged=$(sed -n '/^Quillomar.ini: /,/^[^ ]/p' "$dir/Quillomar.log" | grep -E '^(Quillomar.ini: |  line )')
checked=$("$tool" check "$dir") || [ $? -eq 1 ] || { echo "quillomar check could not check $dir" >&2; exit 1; }
if [ "$logged" != "$checked" ]; then
    diff <(echo "$logged") <(echo "$checked") >&2
    echo "the log's report differs from quillomar check on $dir (< log, > check)" >&2
    exit 1
fi
