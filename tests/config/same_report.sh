#!/usr/bin/env bash
# The report in DIR/Quillomar.log, of the settings file and the list file it names, must be what
# `quillomar check DIR` prints.
#   Usage: same_report.sh TOOL DIR
set -euo pipefail
tool=$1
dir=$2
# The report closes the start's lines; only errors that stopped a frame may follow it.
logged=$(sed -n '/^Quillomar.ini: /,$p' "$dir/Quillomar.log" | grep -a -v -E '^(An error stopped|Further errors)')
checked=$("$tool" check "$dir") || [ $? -eq 1 ] || { echo "quillomar check could not check $dir" >&2; exit 1; }
if [ "$logged" != "$checked" ]; then
    diff <(echo "$logged") <(echo "$checked") >&2
    echo "the log's report differs from quillomar check on $dir (< log, > check)" >&2
    exit 1
fi
