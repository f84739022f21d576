#!/usr/bin/env python3
"""Prints what the game sees of a run: its trace without the calls that only ask the game.

    trace_effects.py TRACE

Every line is kept but the calls of query natives (GET_, IS_, DOES_, HAS_, the player's ped and
index: the kind Query in src/host/native_hashes.h), so speech, tasks, setters, prompts and text
stay, frame by frame. Two runs whose effects are equal differ, if at all, only in what they asked."""
import json, pathlib, re, sys

HASHES = pathlib.Path(__file__).resolve().parents[2] / "src/host/native_hashes.h"


def query_hashes():
    table = re.findall(r"X\(\w+, (0x[0-9A-Fa-f]+), (\w+)\)", HASHES.read_text())
    return {"0x" + value[2:].upper().rjust(16, "0") for value, kind in table if kind == "Query"}


def main():
    queries = query_hashes()
    with open(sys.argv[1], encoding="utf-8") as trace:
        for line in trace:
            if not line.startswith('{"hash"') or json.loads(line)["hash"] not in queries:
                sys.stdout.write(line)


if __name__ == "__main__":
    main()
