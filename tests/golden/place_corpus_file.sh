#!/usr/bin/env bash
# Puts a corpus file into a folder as a player would: *.ini as Quillomar.ini, *.muted as
# Quillomar-muted.txt, any other as a taunt list file named by Quillomar.ini.   Usage: FILE FOLDER
set -euo pipefail
case "$1" in
    *.ini) cp "$1" "$2/Quillomar.ini" ;;
    *.muted) cp "$1" "$2/Quillomar-muted.txt" && : >"$2/Quillomar.ini" ;;
    *) cp "$1" "$2" && printf '[Advanced]\nTauntListFile=%s\n' "$(basename "$1")" >"$2/Quillomar.ini" ;;
esac
