#!/usr/bin/env bash
# Builds everything and runs every test: the Linux tests, the same under AddressSanitizer and
# UndefinedBehaviorSanitizer, the key presses between threads under ThreadSanitizer, the shipped
# plug-in's imports and its runs under Wine, the release package, each fuzz target for 30 s, and
# the format check. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
scripts/package.sh --no-build
jobs=$(nproc)
ctest --preset linux -j "$jobs"
ctest --preset asan -j "$jobs"
ctest --preset tsan -j "$jobs"
ctest --preset windows -j "$jobs"
scripts/fuzz.sh 30
scripts/check_format.sh
echo "all tests passed"
