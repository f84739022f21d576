#!/usr/bin/env bash
# Builds everything (installing missing Debian packages) and plays the demo in the simulated game.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
build/linux/tools/quillomar demo "$@"
