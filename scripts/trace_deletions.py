#!/usr/bin/env python3
"""Checks that a change only removed repeated queries from the scenario traces.

    scripts/trace_deletions.py record DIR          every scenario's trace into DIR/NAME.jsonl
    scripts/trace_deletions.py check BEFORE AFTER  compare two such folders

Each AFTER trace must be the BEFORE trace with some call lines deleted, and each deleted line a
query (GET_, IS_, DOES_, HAS_, PLAYER_PED_ID, PLAYER_ID; not GET_SHAPE_TEST_RESULT nor
GET_HASH_KEY) of plain arguments that stands, with the same answer, earlier in its frame with no
world-changing call (TASK_, SET_PED_, SET_ENTITY_, SET_BLOCKING_, CLEAR_PED_TASKS, ambient
speech) between. Prints one line per scenario; exits 1 when any fails."""
import json, pathlib, re, subprocess, sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
CHANGES = ("TASK_", "SET_PED_", "SET_ENTITY_", "SET_BLOCKING_", "CLEAR_PED_TASKS", "PLAY_PED_AMBIENT_SPEECH")


def native_names():
    text = (ROOT / "src/host/native_hashes.h").read_text()
    return {int(h, 16): n for n, h in re.findall(r"X\((\w+), (0x[0-9A-Fa-f]+),", text)}


def is_query(name):
    if name in ("GET_SHAPE_TEST_RESULT", "GET_HASH_KEY"):
        return False
    return name.startswith(("GET_", "IS_", "DOES_", "HAS_")) or name in ("PLAYER_PED_ID", "PLAYER_ID")


def record(out):
    out = pathlib.Path(out)
    out.mkdir(parents=True, exist_ok=True)
    tool = ROOT / "build/linux/tools/quillomar"
    for scenario in sorted((ROOT / "scenarios").glob("*.json")):
        subprocess.run([tool, "run", scenario, "--trace", out / (scenario.stem + ".jsonl")],
                       check=False, stdout=subprocess.DEVNULL)


def why_not_deletable(before, i, names):
    call = json.loads(before[i])
    if "hash" not in call:
        return "a line other than a call"
    name = names.get(int(call["hash"], 16), call["hash"])
    if not is_query(name):
        return f"{name} is not a query"
    if any(not isinstance(arg, str) for arg in call["args"]):
        return f"{name} has an address among its arguments"
    for k in range(i - 1, -1, -1):
        earlier = json.loads(before[k])
        if "hash" not in earlier:
            break  # the frame's first line
        earlier_name = names.get(int(earlier["hash"], 16), "")
        if earlier_name.startswith(CHANGES):
            return f"{name}: {earlier_name} came between"
        if before[k] == before[i]:
            return None
    return f"{name} was not asked earlier in its frame"


def check_one(before, after, names):
    j, deleted = 0, 0
    for i, line in enumerate(before):
        if j < len(after) and line == after[j]:
            j += 1
            continue
        reason = why_not_deletable(before, i, names)
        if reason:
            return f"line {i + 1}: {reason}"
        deleted += 1
    if j != len(after):
        return f"line {j + 1} of the new trace is not in the old one"
    return deleted


def check(before_dir, after_dir):
    names, failed = native_names(), False
    for before_path in sorted(pathlib.Path(before_dir).glob("*.jsonl")):
        after_path = pathlib.Path(after_dir) / before_path.name
        if not after_path.exists():
            print(f"{before_path.stem}: no new trace")
            failed = True
            continue
        before = before_path.read_text().splitlines()
        after = after_path.read_text().splitlines()
        result = check_one(before, after, names)
        if isinstance(result, str):
            failed = True
            print(f"{before_path.stem}: FAIL {result}")
        else:
            print(f"{before_path.stem}: ok, {result} of {len(before)} lines deleted, all repeated queries")
    return 1 if failed else 0


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "record":
        record(sys.argv[2])
    elif len(sys.argv) == 4 and sys.argv[1] == "check":
        sys.exit(check(sys.argv[2], sys.argv[3]))
    else:
        print(__doc__)
        sys.exit(2)
