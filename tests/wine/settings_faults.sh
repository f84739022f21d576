#!/usr/bin/env bash
# The settings file under faults, against the shipped plug-in: each case prepares the folder the
# same way for a Linux run and a Wine run; both must run and trace alike, a file that existed
# must be byte for byte as it was, and no temporary file may be left. (A read-only folder is
# tried on Linux only: the prefix belongs to root, whom permissions do not stop, and Wine will
# not run a prefix for another user.)
set -euo pipefail
source "$(dirname "$0")/wine_env.sh"

scenario="$SOURCE_DIR/tests/wine/scenarios/start_up.json"
work="$WINE_TEST_DIR/runs/settings-faults"
fresh_dir "$work"
sed 's/$/\r/' "$SOURCE_DIR/tests/config/default_settings.ini" >"$work/expected.ini"
head -c 10485760 /dev/urandom >"$work/random.ini"

prepare() {  # prepare CASE DIR
    case $1 in
    read_only_file) printf '[Settings]\r\nPromptText=Kept\r\n' >"$2/Quillomar.ini"; chmod 444 "$2/Quillomar.ini" ;;
    random_bytes_10mb) cp "$work/random.ini" "$2/Quillomar.ini" ;;
    line_of_100kb) { printf '[Settings]\r\nPromptText='; head -c 102400 /dev/zero | tr '\0' x; printf '\r\n'; } >"$2/Quillomar.ini" ;;
    directory_at_path) mkdir "$2/Quillomar.ini" ;;
    vanishes_between_start_ups | full_disk) ;;
    esac
}

for case in read_only_file random_bytes_10mb line_of_100kb directory_at_path vanishes_between_start_ups full_disk; do
    mkdir -p "$work/$case/linux" "$work/$case/wine"
    prepare "$case" "$work/$case/linux"
    prepare "$case" "$work/$case/wine"
    file="$work/$case/wine/Quillomar.ini"
    before=""
    [ -f "$file" ] && before=$(sha256sum <"$file")
    play_linux "$scenario" "$work/$case/linux" "$work/$case/linux.jsonl"
    case $case in
    vanishes_between_start_ups)
        play_wine "$scenario" "$work/$case/wine" "$work/$case/first.jsonl"
        rm "$file"
        play_wine "$scenario" "$work/$case/wine" "$work/$case/wine.jsonl"
        cmp -s "$work/expected.ini" "$file" || fail "$case: the default file was not written again"
        ;;
    full_disk)
        # A file size limit stands in for a full disk: the write fails part way.
        (trap '' XFSZ; ulimit -f 2; cd "$WINE_TEST_DIR" && "$WINE" ./quillomar_wine.exe run "$(winpath "$scenario")" \
            --plugin "$(winpath "$PLUGIN")" --dir "$(winpath "$work/$case/wine")" >/dev/null)
        left=$(ls -A "$work/$case/wine" | grep -vx Quillomar.log || true)  # the log may be there, cut short
        [ -z "$left" ] || fail "$case: a file was left: $left"
        play_wine "$scenario" "$work/$case/wine" "$work/$case/wine.jsonl"
        cmp -s "$work/expected.ini" "$file" || fail "$case: the next start did not write the default file"
        ;;
    *)
        play_wine "$scenario" "$work/$case/wine" "$work/$case/wine.jsonl"
        ;;
    esac
    if [ -n "$before" ]; then
        [ "$(sha256sum <"$file")" = "$before" ] || fail "$case: the existing file was changed"
    fi
    [ "$case" != directory_at_path ] || [ -z "$(ls -A "$file")" ] || fail "$case: the folder changed"
    [ -z "$(find "$work/$case/wine" -iname '*.tmp')" ] || fail "$case: a temporary file was left"
    same_traces "$work/$case/linux.jsonl" "$work/$case/wine.jsonl"
    echo "ok: $case"
done
