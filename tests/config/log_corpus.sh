#!/usr/bin/env bash
# Every file of a corpus, read by the plug-in at its start: the report in its log is what
# `quillomar check` prints for the same files. A corpus holds settings files (*.ini, each used as
# Quillomar.ini), taunt list files (*.txt, each beside a Quillomar.ini that names it) or muted
# files (*.muted, each used as Quillomar-muted.txt).
#   Usage: log_corpus.sh TOOL CORPUS SCENARIO
set -euo pipefail
tool=$1
corpus=$2
scenario=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
count=0
for file in "$corpus"/*.ini "$corpus"/*.txt "$corpus"/*.muted; do
    [ -e "$file" ] || continue
    name=$(basename "$file")
    dir="$work/$name"
    mkdir "$dir"
    "$(dirname "$0")/../golden/place_corpus_file.sh" "$file" "$dir"
    "$tool" run "$scenario" --dir "$dir" >/dev/null 2>&1 || true  # odd settings may fail its expectations
    "$(dirname "$0")/same_report.sh" "$tool" "$dir" || { echo "in $file" >&2; exit 1; }
    count=$((count + 1))
done
[ "$count" -ge 20 ] || { echo "the corpus has only $count files" >&2; exit 1; }
echo "$count files: each log's report equals quillomar check"
