#!/usr/bin/env bash
# README.txt, as the release zip gives it to players, reads well in Notepad: no line is longer than
# 80 characters, and no Markdown markup is left (# headings, backticks, **, table rows, links,
# comments, placeholders).   Usage: readme_text.sh REPO
set -euo pipefail
root=$1
text=$(python3 "$root/scripts/readme_text.py" "$(head -n 1 "$root/VERSION")" "$root/docs/README.md" \
    "$root/docs/lines.md" "$root/docs/settings.md")
long=$(awk 'length > 80 { print NR ": " $0 }' <<<"$text")
markup=$(grep -nE '^#|`|\*\*|^ *\||\]\(|<!--|-->|@[A-Z_]+@' <<<"$text" || true)
[ -z "$long$markup" ] || { echo "over 80 characters:"$'\n'"$long"$'\n'"markup:"$'\n'"$markup" >&2; exit 1; }
echo "README.txt: $(wc -l <<<"$text") lines, none over 80 characters, no markup"
