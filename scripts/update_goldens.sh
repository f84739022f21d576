#!/usr/bin/env bash
# Writes anew the records the golden tests compare with: what every scenario tells and the digests
# of its trace and of its effects, what the portable INI reader reads from the corpus, and the
# built-in voice lines (as a table and as a list file); what the checks say of the settings and
# list-file corpora, the settings reference and the logs of tests/config/log.
# Run it after a change that is meant to change them, and review `git diff` before committing.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh linux >/dev/null
tool=build/linux/tools/quillomar
for file in scenarios/*.json; do
    tests/golden/scenario.sh "$tool" "$file" >"scenarios/expected/$(basename "$file" .json).txt"
done
(cd tests/platform/ini_corpus && ../../../build/linux/tests/wine/ini_probe *.ini) >tests/platform/ini_corpus.expected
"$tool" lines >tests/speech/lines.tsv
"$tool" lines --format list-file >docs/Quillomar-lines.txt
"$tool" check docs/Quillomar-lines.txt >tests/speech/lines_file_check.expected
tests/speech/check_line_files.sh "$tool" tests/speech/line_files >tests/speech/line_files.expected
(cd tests/platform/ini_corpus && for f in *.ini; do ../../../$tool check "$f" || true; done) >tests/config/settings_check.expected
"$tool" settings --markdown >docs/settings.md
"$tool" settings --controls >docs/controls.md
work=$(mktemp -d)
"$tool" run scenarios/field_report.json --dir "$work" >/dev/null
cp "$work/Quillomar-field-report.txt" scenarios/expected/field_report.report
rm -rf "$work"
for file in tests/config/log/*.json; do
    work=$(mktemp -d)
    "$tool" run "$file" --dir "$work" >/dev/null
    tail -n +2 "$work/Quillomar.log" >"${file%.json}.log"
    rm -rf "$work"
done
git status --short scenarios/expected tests/platform/ini_corpus.expected tests/speech tests/config docs
