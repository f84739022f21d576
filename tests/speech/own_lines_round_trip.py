#!/usr/bin/env python3
"""The built-in lines written as a taunt list file play exactly as the built-in lines: every
scenario, played again with TauntListFile naming that file, makes the same native calls.

    own_lines_round_trip.py TOOL SCENARIO_DIR DEFAULT_INI"""
import json, pathlib, re, subprocess, sys, tempfile

tool, scenarios, default_ini = sys.argv[1], pathlib.Path(sys.argv[2]), pathlib.Path(sys.argv[3])
NAME = "Quillomar-lines.txt"
lines = subprocess.run([tool, "lines", "--format", "list-file"], check=True, capture_output=True, text=True).stdout


def naming_the_file(ini):
    """The settings text with TauntListFile naming the file: first in the first [Advanced]."""
    if ini is None:
        return re.sub(r"^TauntListFile=$", "TauntListFile=" + NAME, default_ini.read_text(), flags=re.M)
    header = re.search(r"^[ \t]*\[advanced\][ \t]*\r?$", ini, re.M | re.I)
    if header is None:
        return ini + ("" if ini.endswith("\n") or not ini else "\n") + "[Advanced]\nTauntListFile=" + NAME + "\n"
    return ini[:header.end()] + "\nTauntListFile=" + NAME + ini[header.end():]


def calls(scenario, work):
    """The frames and calls of a run's trace, and its start records."""
    work.mkdir()
    (work / "scenario.json").write_text(json.dumps(scenario))
    subprocess.run([tool, "run", work / "scenario.json", "--dir", work / "dir", "--trace", work / "trace"],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    records = (work / "trace").read_text().splitlines()
    starts = [r for r in records if r.startswith(('{"seed"', '{"restart"'))]
    return [r for r in records if r not in starts], starts


failures = 0
# Scenarios that bring lines of their own play those, not the built-in ones; those that name the
# lines on the screen name where they came from.
files = [f for f in sorted(scenarios.glob("*.json"))
         if not re.search(r"^\s*(TauntListFile\s*=\s*\S|ShowLineNames\s*=\s*1)", json.loads(f.read_text()).get("ini", ""),
                          re.M | re.I)]
with tempfile.TemporaryDirectory() as temporary:
    for file in files:
        plain = json.loads(file.read_text())
        own = dict(plain, ini=naming_the_file(plain.get("ini")), files=dict(plain.get("files", {}), **{NAME: lines}))
        before, _ = calls(plain, pathlib.Path(temporary) / (file.stem + ".plain"))
        after, starts = calls(own, pathlib.Path(temporary) / (file.stem + ".own"))
        if not all('"lines":[{' in start for start in starts):
            print(f"{file.name}: a start did not use {NAME}: {starts[:1]}")
            failures += 1
        elif before != after:
            first = next(i for i, (a, b) in enumerate(zip(before + [""], after + [""])) if a != b)
            print(f"{file.name}: the calls differ from record {first + 1}: {after[first:first + 1]}")
            failures += 1
print(f"{len(files) - failures} of {len(files)} scenarios make the same calls with {NAME}")
sys.exit(1 if failures else 0)
