#!/usr/bin/env python3
"""Checks that two traces of one run differ only by the notice about the player's files.

    scripts/trace_notice_diff.py BEFORE AFTER        two traces
    scripts/trace_notice_diff.py BEFORE_DIR AFTER_DIR  every NAME.jsonl of the first in the second

AFTER must be BEFORE with, at the end of some frames' calls, the notice's: while it waits, the
question whether the player is in play (PLAYER_ID, IS_PLAYER_CONTROL_ON; either may be answered
from the frame's memory), and while it shows, its text ("Quillomar: ...", VAR_STRING) and its
draw (_BG_DISPLAY_TEXT). Every other record is the same. Prints one line per pair and the frames
that carry the notice; exits 1 when any pair differs otherwise."""
import json, pathlib, sys

PLAYER_ID, IN_PLAY = "0x217E9DC48139933D", "0x7964097FCE4C244B"
TEXT, DRAW = "0xFA925AC00EB830B9", "0x16794E044C9EFB58"


def frames(path):
    """The records before the first frame, then each frame's record with its calls."""
    groups = [[]]
    for line in pathlib.Path(path).read_text().splitlines():
        if line.startswith('{"frame":'):
            groups.append([])
        groups[-1].append(line)
    return groups


def is_notice(tail):
    """Whether the calls are the notice's: the question, then its text and draw, each optional."""
    hashes = [json.loads(line)["hash"] for line in tail]
    i = 0
    for expected in (PLAYER_ID, IN_PLAY):
        if i < len(hashes) and hashes[i] == expected:
            i += 1
    if hashes[i:] == []:
        return True
    text = json.loads(tail[i])
    return (hashes[i:] == [TEXT, DRAW] and text["args"][2].get("text", "").startswith("Quillomar: "))


def compare(before, after):
    """None when AFTER is BEFORE with notices, else what differs; and the frames with notices."""
    old, new = frames(before), frames(after)
    if len(old) != len(new):
        return f"{len(old) - 1} frames before, {len(new) - 1} after", 0
    noticed = 0
    for a, b in zip(old, new):
        if b[:len(a)] != a:
            first = next((i for i, (x, y) in enumerate(zip(a, b)) if x != y), min(len(a), len(b)) - 1)
            return f"a record differs: {a[first][:120]} / {b[first][:120]}", noticed
        if len(b) > len(a):
            if not is_notice(b[len(a):]):
                return f"calls added that are not the notice's, at {a[0][:40]}", noticed
            noticed += 1
    return None, noticed


def pairs(before, after):
    before, after = pathlib.Path(before), pathlib.Path(after)
    if before.is_dir():
        return [(p, after / p.name) for p in sorted(before.glob("*.jsonl"))]
    return [(before, after)]


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    failed = False
    for before, after in pairs(sys.argv[1], sys.argv[2]):
        problem, noticed = compare(before, after)
        failed |= problem is not None
        said = f"the same but for the notice in {noticed} frames" if noticed else "the same"
        print(f"{before.stem}: " + (problem or said))
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
