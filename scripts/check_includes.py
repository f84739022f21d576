#!/usr/bin/env python3
"""Fails when an include breaks the layering of src/ or closes a cycle, between files or folders.

    check_includes.py REPO

Layers, lowest first: host and platform, core, config, targeting and prompts, combat, speech, frame,
plugin. A folder includes only its own folder and the layers below; src/ never includes sim/, tools/ or
win/."""
import pathlib, re, sys

LAYER = {"host": 0, "platform": 0, "core": 1, "config": 2, "targeting": 3, "prompts": 3, "combat": 4,
         "speech": 5, "frame": 6, "plugin": 7}
root = pathlib.Path(sys.argv[1]) / "src"
problems, files, folders = [], {}, {}
for path in sorted(root.rglob("*")):
    if path.suffix not in (".h", ".cpp"):
        continue
    name = str(path.relative_to(root))
    folder = name.split("/")[0]
    if folder not in LAYER:
        problems.append(f"{name}: the folder {folder}/ has no layer")
        continue
    files[name] = re.findall(r'^#include "([^"]+)"', path.read_text(), re.M)
    for target in files[name]:
        other = target.split("/")[0]
        if other not in LAYER:
            problems.append(f"{name} includes {target}, outside src/")
        elif LAYER[other] > LAYER[folder] or (LAYER[other] == LAYER[folder] and other != folder):
            problems.append(f"{name} ({folder}/) includes {target} ({other}/), a layer above or beside it")
        elif other != folder:
            folders.setdefault(folder, set()).add(other)

def cycle(graph):
    state = {}
    def visit(node, path):
        state[node] = "open"
        for nxt in sorted(graph.get(node, ())):
            if state.get(nxt) == "open":
                return path + [node, nxt]
            if nxt not in state and (found := visit(nxt, path + [node])):
                return found
        state[node] = "done"
        return None
    return next((c for node in sorted(graph) if node not in state and (c := visit(node, []))), None)

for kind, graph in (("file", files), ("folder", folders)):
    if found := cycle(graph):
        problems.append(f"an include cycle between {kind}s: " + " -> ".join(found[found.index(found[-1]):]))
print("\n".join(problems) or f"{len(files)} files in {len(folders)} folders: layers and includes in order")
sys.exit(1 if problems else 0)
