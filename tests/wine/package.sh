#!/usr/bin/env bash
# The release package holds exactly its seven entries: the tested Quillomar.asi and
# QuillomarCheck.exe, the Quillomar.ini that the shipped plug-in writes under Wine, byte for byte,
# the built-in lines as a list file, and the texts for players with CR LF line ends; packing
# again gives the same bytes.
set -euo pipefail
source "$(dirname "$0")/wine_env.sh"

version=$(head -n 1 "$SOURCE_DIR/VERSION")
zip="$(dirname "${PLUGIN:?}")/Quillomar-$version.zip"
[ -f "$zip" ] || fail "$zip is missing: build the windows preset or run scripts/package.sh"
work="$WINE_TEST_DIR/runs/package"
fresh_dir "$work"
mkdir "$work/game" "$work/unpacked"

python3 - "$zip" "$work/unpacked" <<'PYTHON'
import sys, zipfile
with zipfile.ZipFile(sys.argv[1]) as archive:
    names = archive.namelist()
    if names != sorted(["CHANGELOG.md", "LICENSE", "Quillomar-lines.txt", "Quillomar.asi", "Quillomar.ini",
                        "QuillomarCheck.exe", "README.txt"]):
        sys.exit(f"FAILED: the entries are {names}")
    archive.extractall(sys.argv[2])
PYTHON
cd "$work/unpacked"
cmp Quillomar.asi "$PLUGIN" || fail "the package's Quillomar.asi is not the tested one"
cmp QuillomarCheck.exe "${CHECKER:?}" || fail "the package's QuillomarCheck.exe is not the tested one"

play_wine "$SOURCE_DIR/tests/wine/scenarios/start_up.json" "$work/game" "$work/trace.jsonl" >/dev/null
cmp Quillomar.ini "$work/game/Quillomar.ini" || fail "the package's Quillomar.ini is not the file the plug-in writes"

crlf() { sed 's/$/\r/' "$@"; }
cmp CHANGELOG.md <(crlf "$SOURCE_DIR/CHANGELOG.md") || fail "CHANGELOG.md differs from the source's"
cmp LICENSE <(crlf "$SOURCE_DIR/LICENSE") || fail "LICENSE differs from the source's"
cmp Quillomar-lines.txt <(crlf "$SOURCE_DIR/docs/Quillomar-lines.txt") || fail "Quillomar-lines.txt differs from the source's"
head -n 1 README.txt | grep -qx $'Quillomar '"$version"$'\r' || fail "README.txt does not name the version"
guide=$(python3 "$SOURCE_DIR/scripts/readme_text.py" "$version" "$SOURCE_DIR/docs/README.md" "$SOURCE_DIR/docs/lines.md" \
    "$SOURCE_DIR/docs/settings.md")
cmp README.txt <(crlf <<<"$guide") || fail "README.txt is not the players' guide made from docs/"
for part in Requirements Install 'In the game' 'While you play' 'Your own lines' Troubleshooting \
    'Quillomar settings reference'; do
    grep -qx "$part"$'\r' README.txt || fail "README.txt has no part $part"
done

QUILLOMAR_ZIP="$work/again.zip" "$SOURCE_DIR/scripts/package.sh" --no-build >/dev/null
cmp "$zip" "$work/again.zip" || fail "packing again gives other bytes"
echo "seven entries, the tested binaries, the written settings file, the texts; packed again alike"
