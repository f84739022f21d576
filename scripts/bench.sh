#!/usr/bin/env bash
# Builds the Linux configuration and runs the benchmarks: a frame in a quiet and in a busy world,
# and start-up. Extra arguments go to the benchmark program (e.g. --benchmark_filter=Busy).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh linux
build/linux/bench/quillomar_bench "$@"
