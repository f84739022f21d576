#!/usr/bin/env bash
# Builds what the demo needs (the Linux build of the quillomar tool, installing missing Debian
# packages first) and plays the demo in the simulated game. scripts/test.sh builds the rest.
#   Usage: scripts/demo.sh [--dir DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh
echo "demo: building the Linux preset's quillomar tool (the full build and tests: scripts/test.sh)"
start=$SECONDS
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! { cmake --preset linux && cmake --build --preset linux --target quillomar; } >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "demo: the build failed" >&2
    exit 1
fi
echo "demo: built in $((SECONDS - start)) s"
echo
build/linux/tools/quillomar demo "$@"
