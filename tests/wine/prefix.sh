#!/usr/bin/env bash
# Starts or stops the Wine prefix the tests share: `start` creates it on first use (the slow
# part, done once), keeps one server running so that each test's programs start quickly, and
# boots Wine's own background processes here, detached from any test's output (a test whose
# program started them would otherwise wait for them to end); `stop` ends them all.
set -euo pipefail
source "$(dirname "$0")/wine_env.sh"
ready="$WINEPREFIX/.ready"

case "${1:-}" in
    start)
        mkdir -p "$WINEPREFIX"
        "$WINESERVER" -p >/dev/null 2>&1 || true  # fails only when one runs already
        if [ -f "$ready" ]; then
            "$WINE" wineboot >/dev/null 2>&1
        else
            echo "creating the Wine prefix $WINEPREFIX"
            "$WINE" wineboot --init >/dev/null 2>&1
            [ -d "$WINEPREFIX/drive_c/windows/system32" ] || { echo "the Wine prefix was not created" >&2; exit 1; }
            touch "$ready"
        fi
        ;;
    stop)
        "$WINESERVER" -k 2>/dev/null || true
        ;;
    *)
        echo "usage: prefix.sh start|stop" >&2
        exit 2
        ;;
esac
