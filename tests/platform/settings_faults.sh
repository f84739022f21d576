#!/usr/bin/env bash
# The settings file under faults, on Linux: each case prepares the plug-in's folder, starts the
# plug-in twice (a second start-up must cope with what the first left) and checks that it ran
# (three frames past every gate), that a file that existed is byte for byte as it was, and that
# no temporary file is left; a read-only folder the tool refuses to play in, saying why.
# Usage: settings_faults.sh QUILLOMAR SOURCE_DIR
set -euo pipefail
tool=$1
source_dir=$2
scenario="$source_dir/tests/wine/scenarios/start_up.json"
defaults="$source_dir/tests/config/default_settings.ini"
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
# Root may write anywhere, so the folder faults run as an unprivileged user.
chmod 755 "$work"
unprivileged=(setpriv --reuid=nobody --regid=nogroup --clear-groups)

fail() {
    echo "FAILED: $case: $*" >&2
    exit 1
}

start() {  # start DIR [COMMAND PREFIX...]: one start-up of the plug-in in DIR
    local dir=$1
    shift
    "$@" "$tool" run "$scenario" --dir "$dir" >"$work/out" 2>&1 || { cat "$work/out" >&2; fail "the plug-in did not run"; }
}

# Each case: set_up_CASE DIR prepares the folder; check_CASE DIR checks what is left.
set_up_read_only_file() { printf '[Settings]\nPromptText=Kept\n' >"$1/Quillomar.ini"; chmod 444 "$1/Quillomar.ini"; }
set_up_random_bytes_10mb() { head -c 10485760 /dev/urandom >"$1/Quillomar.ini"; }
set_up_line_of_100kb() { { printf '[Settings]\nPromptText='; head -c 102400 /dev/zero | tr '\0' x; printf '\n'; } >"$1/Quillomar.ini"; }
set_up_directory_at_path() { mkdir "$1/Quillomar.ini"; }
set_up_dangling_link() { ln -s "$1/nowhere.ini" "$1/Quillomar.ini"; }
set_up_read_only_folder() { chown nobody "$1"; chmod 555 "$1"; }
set_up_full_disk() { :; }
set_up_vanishes_between_start_ups() { printf '[Settings]\nPromptText=Gone\n' >"$1/Quillomar.ini"; }

check_directory_at_path() { [ -d "$1/Quillomar.ini" ] && [ -z "$(ls -A "$1/Quillomar.ini")" ] || fail "the folder changed"; }
check_dangling_link() { [ -L "$1/Quillomar.ini" ] && [ ! -e "$1/nowhere.ini" ] || fail "the link was written through"; }
check_read_only_folder() { [ ! -e "$1/Quillomar.ini" ] || fail "a file appeared in a read-only folder"; }

cases=(read_only_file random_bytes_10mb line_of_100kb directory_at_path dangling_link read_only_folder full_disk
    vanishes_between_start_ups)
for case in "${cases[@]}"; do
    dir="$work/$case"
    mkdir "$dir"
    "set_up_$case" "$dir"
    before=""
    [ -f "$dir/Quillomar.ini" ] && before=$(sha256sum <"$dir/Quillomar.ini")
    case $case in
    read_only_folder)
        # The tool will not play where the plug-in cannot write its default file, and says so. The
        # unprivileged user gets its own copies, as the checkout may be closed to it.
        install -m 755 "$tool" "$work/quillomar"
        install -m 644 "$scenario" "$work/start_up.json"
        if "${unprivileged[@]}" "$work/quillomar" run "$work/start_up.json" --dir "$dir" >"$work/out" 2>&1; then
            fail "the tool played in a folder it cannot write in"
        fi
        grep -q "cannot write in the folder" "$work/out" || fail "the tool did not say why: $(cat "$work/out")"
        ;;
    full_disk)
        # A file size limit stands in for a full disk: the write fails part way.
        (trap '' XFSZ; ulimit -f 2; start "$dir")
        [ ! -e "$dir/Quillomar.ini" ] || fail "a partial file was left"
        left=$(ls -A "$dir" | grep -vx Quillomar.log || true)  # the log may be there, cut short
        [ -z "$left" ] || fail "a temporary file was left: $left"
        start "$dir"  # the next start, with room, writes the file
        cmp -s "$defaults" "$dir/Quillomar.ini" || fail "the next start did not write the default file"
        ;;
    vanishes_between_start_ups)
        start "$dir"
        rm "$dir/Quillomar.ini"
        start "$dir"
        cmp -s "$defaults" "$dir/Quillomar.ini" || fail "the default file was not written after the file vanished"
        before=$(sha256sum <"$dir/Quillomar.ini")
        start "$dir"
        ;;
    *)
        start "$dir"
        start "$dir"
        ;;
    esac
    if [ -n "$before" ]; then
        [ "$(sha256sum <"$dir/Quillomar.ini")" = "$before" ] || fail "the existing file was changed"
    fi
    if declare -F "check_$case" >/dev/null; then "check_$case" "$dir"; fi
    leftovers=$(find "$dir" -name '*.tmp')
    [ -z "$leftovers" ] || fail "a temporary file was left: $leftovers"
    echo "ok: $case"
done
