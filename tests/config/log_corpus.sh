#!/usr/bin/env bash
# Every file of the INI corpus, read by the plug-in at its start: the report in its log is what
# `quillomar check` prints for the file.   Usage: log_corpus.sh TOOL CORPUS SCENARIO
set -euo pipefail
tool=$1
corpus=$2
scenario=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
count=0
for file in "$corpus"/*.ini; do
    dir="$work/$(basename "$file" .ini)"
    mkdir "$dir"
    cp "$file" "$dir/Quillomar.ini"
    "$tool" run "$scenario" --dir "$dir" >/dev/null 2>&1 || true  # odd settings may fail its expectations
    "$(dirname "$0")/same_report.sh" "$tool" "$dir" || { echo "in $file" >&2; exit 1; }
    count=$((count + 1))
done
[ "$count" -ge 30 ] || { echo "the corpus has only $count files" >&2; exit 1; }
echo "$count files: each log's report equals quillomar check"
