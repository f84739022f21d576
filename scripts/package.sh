#!/usr/bin/env bash
# Builds the release package dist/Quillomar-<VERSION>.zip: Quillomar.asi, QuillomarCheck.exe,
# the default Quillomar.ini as the plug-in writes it on Windows, Quillomar-lines.txt (the built-in
# lines as a taunt list file), README.txt for players (plain text made from docs/README.md, with the
# description of the list file and the settings reference: scripts/readme_text.py), CHANGELOG.md
# and LICENSE. The same sources give the same zip, byte for byte: entries sorted, every time stamp
# the date of the latest release in CHANGELOG.md, text with CR LF line ends.
#   Usage: scripts/package.sh [--no-build]   (QUILLOMAR_ZIP=PATH writes the zip elsewhere)
set -euo pipefail
cd "$(dirname "$0")/.."
[ "${1:-}" = "--no-build" ] || scripts/build.sh windows >/dev/null
version=$(head -n 1 VERSION)
zip=${QUILLOMAR_ZIP:-dist/Quillomar-$version.zip}
for file in dist/Quillomar.asi dist/QuillomarCheck.exe; do
    [ -f "$file" ] || { echo "package: $file is missing: build the windows preset first" >&2; exit 1; }
done

readme=$(python3 scripts/readme_text.py "$version" docs/README.md docs/lines.md docs/settings.md)
python3 - "$version" "$zip" "$readme" <<'PYTHON'
import pathlib, re, sys, zipfile

version, target, readme = sys.argv[1], pathlib.Path(sys.argv[2]), sys.argv[3]
changelog = pathlib.Path("CHANGELOG.md").read_text()
released = re.search(r"^## " + re.escape(version) + r" \((\d{4})-(\d\d)-(\d\d)\)$", changelog, re.M)
if not released:
    sys.exit(f"package: CHANGELOG.md has no heading '## {version} (YYYY-MM-DD)'")
stamp = tuple(int(part) for part in released.groups()) + (0, 0, 0)

def crlf(text):
    return text.replace("\n", "\r\n").encode("ascii")

def text(path):
    return crlf(pathlib.Path(path).read_text())

entries = {
    "CHANGELOG.md": text("CHANGELOG.md"),
    "LICENSE": text("LICENSE"),
    "Quillomar.asi": pathlib.Path("dist/Quillomar.asi").read_bytes(),
    "Quillomar.ini": text("tests/config/default_settings.ini"),
    "Quillomar-lines.txt": text("docs/Quillomar-lines.txt"),
    "QuillomarCheck.exe": pathlib.Path("dist/QuillomarCheck.exe").read_bytes(),
    "README.txt": crlf(readme + "\n"),
}
target.parent.mkdir(parents=True, exist_ok=True)
partial = target.with_suffix(".partial")
with zipfile.ZipFile(partial, "w") as archive:
    for name in sorted(entries):
        info = zipfile.ZipInfo(name, date_time=stamp)
        info.compress_type = zipfile.ZIP_DEFLATED
        info.create_system = 0
        info.external_attr = 0
        archive.writestr(info, entries[name], compresslevel=9)
partial.replace(target)
print(f"package: {target} ({len(entries)} entries, {target.stat().st_size} bytes)")
PYTHON
