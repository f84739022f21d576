#!/usr/bin/env bash
# The latest report in DIR/Quillomar.log, of the settings file and the list file it names, must
# be what `quillomar check DIR` prints of them now.
#   Usage: same_report.sh TOOL DIR
set -euo pipefail
tool=$1
dir=$2
# The latest report (of the start, or of a reading again), up to the next entry of the log.
logged=$(awk '/^Quillomar.ini: / { report = "" ; inside = 1 }
              /^(An error stopped|Further errors|At |Read again at |\()/ { inside = 0 }
              inside { report = report $0 "\n" }
              END { printf "%s", report }' "$dir/Quillomar.log")
checked=$("$tool" check "$dir") || [ $? -eq 1 ] || { echo "quillomar check could not check $dir" >&2; exit 1; }
if [ "$logged" != "$checked" ]; then
    diff <(echo "$logged") <(echo "$checked") >&2
    echo "the log's report differs from quillomar check on $dir (< log, > check)" >&2
    exit 1
fi
