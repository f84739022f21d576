#!/usr/bin/env bash
# The shipped plug-in writes Quillomar.log next to its settings, and Quillomar-muted.txt when a
# line is muted, every line ending in CR LF, and says what the Linux build says of the same file; QuillomarCheck.exe prints the report of the
# Linux checker for every file of the INI corpus and of the taunt list file corpus.
set -euo pipefail
source "$(dirname "$0")/wine_env.sh"

work="$WINE_TEST_DIR/runs/log-and-check"
fresh_dir "$work"
tool=$(linux_program tools/quillomar)

# The log of a start with odd settings; its first line names the build and the time.
scenario="$SOURCE_DIR/tests/config/log/log_numbers.json"
mkdir "$work/game"
play_wine "$scenario" "$work/game" "$work/trace.jsonl" >/dev/null
log="$work/game/Quillomar.log"
[ -f "$log" ] || fail "no Quillomar.log next to the settings"
[ "$(grep -c $'\r$' "$log")" -eq "$(wc -l <"$log")" ] || fail "a line of the log does not end in CR LF"
head -n 1 "$log" | grep -Eq $'^Quillomar [0-9.]+ \\(Windows build\\), started [0-9]{4}-[0-9]{2}-[0-9]{2} [0-9:]{8}\r$' ||
    fail "the log's first line is not the version, build and time: $(head -n 1 "$log")"
if ! tail -n +2 "$log" | tr -d '\r' | diff "${scenario%.json}.log" -; then
    fail "the Windows log differs from the Linux one (< Linux, > Windows)"
fi

# The muted file the mute key makes: its lines end in CR LF, and say what the Linux build's say.
mkdir "$work/muted-linux" "$work/muted-wine"
play_linux "$SOURCE_DIR/scenarios/demo_own.json" "$work/muted-linux" "$work/muted-linux.jsonl"
play_wine "$SOURCE_DIR/scenarios/demo_own.json" "$work/muted-wine" "$work/muted-wine.jsonl" >/dev/null
muted="$work/muted-wine/Quillomar-muted.txt"
[ -f "$muted" ] && [ "$(grep -c $'\r$' "$muted")" -eq "$(wc -l <"$muted")" ] || fail "Quillomar-muted.txt is missing, or a line of it does not end in CR LF"
tr -d '\r' <"$muted" | cmp -s - "$work/muted-linux/Quillomar-muted.txt" || fail "the Windows muted file differs from the Linux one"

# A settings file held open without sharing: the log gives Windows' words and code for it.
mkdir "$work/locked"
printf '[Settings]\r\nEnabled=0\r\n' >"$work/locked/Quillomar.ini"
play_wine "$SOURCE_DIR/tests/wine/scenarios/start_up.json" "$work/locked" "$work/locked.jsonl" --lock-settings >/dev/null
grep -Eq $'^Settings: Quillomar.ini exists but cannot be read \\(.+ \\(error 32\\)\\), so every setting takes its default\r$' \
    "$work/locked/Quillomar.log" || fail "the log does not say why the locked file cannot be read: $(cat "$work/locked/Quillomar.log")"

# The checker, file by file; a list file that cannot be read is told in each system's own words.
system_words() { sed -E 's/cannot be read \(.*\), so/cannot be read (the system'"'"'s words), so/'; }
# Both checkers on one file or folder, which must say the same. Every report says something: Wine,
# on a loaded machine, now and then starts a console program whose output never arrives, so an
# empty one is asked for again before it counts.
same_check() {
    local linux windows attempt
    linux=$("$tool" check "$1" | system_words) || true
    for attempt in 1 2 3; do
        windows=$("$WINE" "${CHECKER:?}" "$(winpath "$1")" </dev/null | tr -d '\r' | system_words) || true
        [ -z "$windows" ] || break
    done
    [ "$linux" = "$windows" ] || fail "QuillomarCheck.exe differs on $1:
$(diff <(echo "$linux") <(echo "$windows"))"
    count=$((count + 1))
}
cd "$SOURCE_DIR/tests/platform/ini_corpus"
count=0
for file in *.ini; do same_check "$file"; done
# Each taunt list file of its corpus, beside a settings file that names it, and each muted file.
for file in "$SOURCE_DIR"/tests/speech/line_files/*.{txt,muted}; do
    name=$(basename "$file")
    dir="$work/${name##*.}-${name%.*}"
    mkdir "$dir" && "$SOURCE_DIR/tests/golden/place_corpus_file.sh" "$file" "$dir"
    same_check "$dir"
done
# A list file or the muted file handed to the checker alone is checked as what it is.
same_check "$SOURCE_DIR/docs/Quillomar-lines.txt"
same_check "$work/muted-muted_variations/Quillomar-muted.txt"
echo "log and muted file with CR LF as on Linux; $count settings, list and muted files checked alike"
