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
    name=$(basename "$file")
    rm -rf "${work:?}"/*
    case "$name" in
        *.muted) cp "$file" "$work/Quillomar-muted.txt" && : >"$work/Quillomar.ini" ;;
        *) cp "$file" "$work/$name" && printf '[Advanced]\nTauntListFile=%s\n' "$name" >"$work/Quillomar.ini" ;;
    esac
    "$tool" check "$work" || [ $? -eq 1 ]
done
