#!/usr/bin/env bash
# Builds the fuzz targets (the fuzz preset: clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for SECONDS (default 60): the settings file, the
# game's answers, the scenario reader and the readers of the taunt list and muted files. New
# inputs gather in build/fuzz/runs/TARGET/corpus; a finding stops the run with its input in
# build/fuzz/runs/TARGET/artifacts, to be fixed and then added to fuzz/regressions/TARGET.
# Prints each target's executions and coverage.
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(settings game scenario lines)

scripts/bootstrap.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz >/dev/null

seeds_settings=("$root/tests/platform/ini_corpus")
seeds_game=("$root/fuzz/seeds/game")
seeds_scenario=("$root/scenarios" "$root/tests/wine/scenarios")
seeds_lines=("$root/tests/speech/line_files")
max_len_settings=8192
max_len_game=16384
max_len_scenario=4096
max_len_lines=16384

# The targets' scratch folders go here, not into the system's temporary folder, and go with it.
scratch="$root/build/fuzz/runs/tmp"
mkdir -p "$scratch"
trap 'rm -rf "$scratch"' EXIT

status=0
for target in "${targets[@]}"; do
    work="$root/build/fuzz/runs/$target"
    mkdir -p "$work/corpus" "$work/artifacts"
    seeds="seeds_${target}[@]"
    max_len="max_len_${target}"
    log="$work/last.log"
    regressions=()
    [ -d "$root/fuzz/regressions/$target" ] && regressions=("$root/fuzz/regressions/$target")
    if TMPDIR="$scratch" "$root/build/fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -max_len="${!max_len}" -print_final_stats=1 -artifact_prefix="$work/artifacts/" \
        "$work/corpus" "${!seeds}" "${regressions[@]}" >"$log" 2>&1; then
        result="no finding"
    else
        result="FINDING (see $log and $work/artifacts)"
        status=1
    fi
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    coverage=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -n 1)
    echo "fuzz $target: ${seconds}s, ${executions:-?} executions, ${coverage:-no coverage line}: $result"
done
exit "$status"
