#!/usr/bin/env bash
# What the plug-in itself costs a frame. Records the native tape of every scenario and generated
# world in the simulated game, then replays the plug-in's frames against the tapes alone and
# prints one table: time per frame beside the tape host's own, native calls per frame,
# allocations per steady frame, start-up with and without a settings file.
# Usage: scripts/bench.sh [--runs N] [--json OUT] [--benchmark_...]
#   --runs N     medians of N runs (default 3)
#   --json OUT   also write the table as JSON, to compare two commits (scripts/bench_compare.py)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh linux >/dev/null
tapes=build/linux/bench/tapes
build/linux/bench/quillomar_tape "$tapes" scenarios
build/linux/bench/quillomar_bench --tapes "$tapes" "$@"
