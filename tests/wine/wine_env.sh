# Sourced by the Wine test scripts: the Wine programs, one prefix in the build folder, quiet and
# with nothing installed beyond a bare prefix.
#   WINE_TEST_DIR   the build folder's wine directory (the stand-in host, the driver, the prefix)

: "${WINE_TEST_DIR:?names the wine directory of the build folder}"

first_program() {
    local candidate
    for candidate in "$@"; do
        if [ -x "$candidate" ]; then echo "$candidate"; return 0; fi
        if command -v "$candidate" >/dev/null 2>&1; then command -v "$candidate"; return 0; fi
    done
    echo "no Wine program among: $*" >&2
    return 1
}

WINE=$(first_program /usr/lib/wine/wine64 wine64 wine)
WINESERVER=$(first_program /usr/lib/wine/wineserver64 /usr/lib/wine/wineserver wineserver)
export WINEPREFIX="$WINE_TEST_DIR/prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
export WINEARCH=win64
export LC_ALL=C.UTF-8
unset DISPLAY WAYLAND_DISPLAY
# The Wine server keeps its folder in TMPDIR, and leaves it there: this one is the build folder's.
export TMPDIR="$WINE_TEST_DIR/tmp"
mkdir -p "$TMPDIR"

# A Linux path as the programs under Wine see it: the fresh prefix maps Z: to /.
winpath() { printf 'Z:%s' "$(realpath -m "$1")"; }

# A fresh, empty folder for one test's files.
fresh_dir() {
    rm -rf "$1"
    mkdir -p "$1"
}

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

# A program of the Linux build, which gives the reference results.
linux_program() {
    local program="${LINUX_BUILD:?}/$1"
    [ -x "$program" ] || fail "$program is missing: build the linux preset first"
    echo "$program"
}

# The Linux build's run of a scenario: play_linux SCENARIO DIR TRACE
play_linux() {
    "$(linux_program tools/quillomar)" run "$1" --dir "$2" --trace "$3" >/dev/null
}

# The same against the shipped plug-in under Wine: play_wine SCENARIO DIR TRACE [OPTION...]
play_wine() {
    local scenario=$1 dir=$2 trace=$3
    shift 3
    (cd "$WINE_TEST_DIR" && "$WINE" ./quillomar_wine.exe run "$(winpath "$scenario")" --plugin "$(winpath "${PLUGIN:?}")" \
        --dir "$(winpath "$dir")" --trace "$(winpath "$trace")" "$@")
}

# Two traces must be equal; a trace without its settings line and a frame proves nothing.
same_traces() {
    local expected=$1 actual=$2
    head -n 1 "$expected" | grep -q '^{"seed":[0-9]*,"settings":{' || fail "$expected has no settings line"
    grep -q '^{"frame":' "$expected" || fail "$expected has no frame"
    if ! cmp -s "$expected" "$actual"; then
        diff "$expected" "$actual" | head -n 20 >&2
        fail "the traces differ: $expected and $actual"
    fi
    echo "traces equal: $(wc -l <"$expected") lines"
}
