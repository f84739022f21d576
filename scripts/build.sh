#!/usr/bin/env bash
# Builds every configuration: the Linux build, the sanitizer builds and the shipped plug-in.
# Usage: scripts/build.sh [preset...]   (default: linux asan tsan windows)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh
presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(linux asan tsan windows)
for preset in "${presets[@]}"; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
