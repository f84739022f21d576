#!/usr/bin/env bash
# Builds every configuration: the Linux build, the sanitizer build and the shipped plug-in.
# Usage: scripts/build.sh [preset...]   (default: linux asan windows)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh
presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(linux asan windows)
for preset in "${presets[@]}"; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
