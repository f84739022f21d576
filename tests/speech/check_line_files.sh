#!/usr/bin/env bash
# Prints what `quillomar check` says of each taunt list file of a corpus, each placed beside a
# Quillomar.ini that names it, and of each muted file (*.muted) placed as Quillomar-muted.txt.
#   Usage: check_line_files.sh TOOL CORPUS
set -euo pipefail
tool=$1
corpus=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for file in "$corpus"/*.txt "$corpus"/*.muted; do
    rm -rf "${work:?}"/*
    "$(dirname "$0")/../golden/place_corpus_file.sh" "$file" "$work"
    "$tool" check "$work" || [ $? -eq 1 ]
done
