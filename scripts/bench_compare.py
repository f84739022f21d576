#!/usr/bin/env python3
"""Compares two tables that `scripts/bench.sh --json` wrote, say before and after a change.

    scripts/bench_compare.py BEFORE.json AFTER.json [MORE_AFTER.json ...]

With several AFTER files (or BEFORE files joined by commas), each figure is their median. Prints,
for every world in both, native calls per frame and the plug-in's own time per frame, before and
after, and start-up."""
import json, statistics, sys


def load(paths):
    tables = [json.load(open(path)) for path in paths.split(",")]
    worlds = {}
    for name in tables[0]["worlds"]:
        rows = [t["worlds"][name] for t in tables if name in t["worlds"]]
        worlds[name] = {key: statistics.median(r[key] for r in rows) for key in rows[0]}
    startup = {key: statistics.median(t["startUpUs"][key] for t in tables) for key in tables[0]["startUpUs"]}
    return worlds, startup


def main():
    if len(sys.argv) < 3:
        print(__doc__)
        return 2
    before, before_start = load(sys.argv[1])
    after, after_start = load(",".join(sys.argv[2:]))
    print(f"{'world':<28}{'calls/frame':>22}{'max':>12}{'plug-in ns/frame':>22}{'host ns/frame':>18}")
    for name in sorted(set(before) & set(after)):
        b, a = before[name], after[name]
        print(f"{name:<28}{b['callsMean']:>10.1f} -> {a['callsMean']:<8.1f}{b['callsMax']:>5.0f} -> {a['callsMax']:<4.0f}"
              f"{b['pluginNs']:>10.0f} -> {a['pluginNs']:<8.0f}{b['hostNs']:>7.0f} -> {a['hostNs']:<7.0f}")
    for key in before_start:
        print(f"start-up {key}: {before_start[key]:.0f} us -> {after_start.get(key, 0):.0f} us")
    return 0


if __name__ == "__main__":
    sys.exit(main())
