#!/usr/bin/env python3
"""Mutation testing: how many small faults planted in src/ do the tests catch?

Faults go into a copy: a temporary git worktree of the clone holding its sources as they are
(uncommitted changes and untracked files included, ignored ones left out), with its own build
folder. The clone's files and build are never written. The copy is configured with the preset,
built in full and tested (the baseline: when that fails, the run stops with exit 2, naming the
failing test). Then for each sampled mutant one small change is made to one file of the copy's
src/, the build is rebuilt incrementally and the tests run (the preset's ctest or the --tests
subset, stopping at the first failure, -j of the cores), and the file is put back. The tests catch
a mutant when they fail, or when they run past the time limit (a hang: the whole process group of
the run is killed). A mutant that does not build, or whose build runs past its time limit, is
reported as such and counts neither as caught nor as tested, nor towards --count. Each mutant
prints a line as it is done; the last line is the share: "caught K of V mutants (P%)".

Faults planted, never inside a comment, a string or character literal, a static_assert, nor on a
preprocessor line:
  ==  <->  !=      <  <->  <=      >  <->  >=      &&  <->  ||      (binary, spaced operators)
  +   <->  -       +=  <->  -=
  an integer literal n -> n+1      true <-> false
  a plain call statement deleted: f(x); or obj.g(y); standing alone
Left out: the voice-line tables (src/**/lines_*.cpp), and every file the preset's build does not
compile (the Windows-only sources; a header counts when a compiled source includes it).

Sampling depends only on --seed and the source text (and so which files the preset compiles):
the same seed on the same src/ gives the same mutants in the same order. --list configures the
copy to learn which files are compiled, and builds nothing.

The copy, its build and the TMPDIR of its builds and tests are one folder in the system's
temporary folder, removed however the run ends: normal end, error, Ctrl-C, SIGTERM, SIGHUP. A run
killed outright (SIGKILL) leaves its folder there; the next run removes it and prunes its worktree.

Exit status: 0 when the run completed, whatever share it caught; 2 on a usage error, a copy that
cannot be made or configured, or a failing baseline; 128+N when stopped by signal N.

examples:
  scripts/mutants.py --seed 7                       40 mutants in a copy of this clone, linux build
  scripts/mutants.py --seed 7 --tests 'golden|Prompt'   faster: only the tests these names match
  scripts/mutants.py --list --seed 7 --count 10     the first sites a run with seed 7 tries
  scripts/mutants.py ../other-clone --preset asan --count 20 --json mutants.json
"""
from __future__ import annotations

import argparse
import contextlib
import dataclasses
import json
import os
import random
import re
import shlex
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from pathlib import Path

SWAPS = {"==": "!=", "!=": "==", "<": "<=", "<=": "<", ">": ">=", ">=": ">",
         "&&": "||", "||": "&&", "+": "-", "-": "+", "+=": "-=", "-=": "+="}
# Spaced on both sides: a binary operator, never a template's bracket, an arrow or a unary sign.
OPERATOR = re.compile(r"(?<=\s)(==|!=|<=|>=|<|>|&&|\|\||\+=|-=|\+|-)(?=\s)")
# Both brackets of "> >", which closes nested templates and is never a comparison.
TEMPLATE_CLOSE = re.compile(r">\s+(?=>)")
STATIC_ASSERT = re.compile(r"\bstatic_assert\s*\(")
BOOLEAN = re.compile(r"\b(?:true|false)\b")
NUMBER = re.compile(r"(?<![\w.])\.?\d(?:[eEpP][+-]|'\w|[\w.])*")
DECIMAL = re.compile(r"(\d+(?:'\d+)*)([uUlLzZ]*)")
IDENTIFIER = re.compile(r"[A-Za-z_]\w*")
RAW_OPEN = re.compile(r'"([^()\\\s]{0,16})\(')
RAW_PREFIXES = {"R", "u8R", "uR", "UR", "LR"}
CALL_START = re.compile(r"^[ \t]*([A-Za-z_]\w*(?:[ \t]*(?:::|\.|->)[ \t]*[A-Za-z_]\w*)*)[ \t]*\(", re.M)
# assert: compiled out in the linux build, and one that holds is never missed.
NOT_CALLS = {"if", "while", "for", "switch", "return", "throw", "delete", "new", "sizeof", "alignof",
             "decltype", "assert", "co_return", "co_await", "co_yield", "case",
             "goto", "else", "do", "using", "typedef", "template", "requires", "noexcept", "catch"}
INCLUDE = re.compile(r'^[ \t]*#[ \t]*include[ \t]*[<"]([^>"]+)[>"]', re.M)
STOP_SIGNALS = (signal.SIGINT, signal.SIGTERM, signal.SIGHUP)
CONFIGURE_LIMIT = 600.0
BASELINE_BUILD_LIMIT = 3600.0
BASELINE_TEST_LIMIT = 3600.0
# The folder of a run's copy in the temporary folder, named after the run's process id.
COPY_NAME = re.compile(r"mutants-(\d+)-\w+")
EXCERPT = 32


class Refusal(Exception):
    """A run that cannot start or go on: told in one message, exit status 2."""


class Stop(Exception):
    """A signal asked the run to end."""

    def __init__(self, signum: int):
        super().__init__(signal.Signals(signum).name)
        self.signum = signum


@dataclasses.dataclass(frozen=True)
class Site:
    path: str   # relative to the clone
    line: int
    start: int  # offsets into the file's text
    end: int
    new: str
    kind: str   # operator, boolean, literal or deletion


@dataclasses.dataclass(frozen=True)
class Context:
    root: Path  # the copy
    preset: str
    build_dir: Path
    env: dict
    tmp: Path
    jobs: int
    tests: str | None  # ctest -R


# --- what the build compiles -------------------------------------------------------------------

def binary_dir(root: Path, preset: str) -> Path:
    """The build folder of a build preset, as CMakePresets.json sets it."""
    presets = json.loads((root / "CMakePresets.json").read_text())
    builds = {p["name"]: p for p in presets.get("buildPresets", [])}
    if preset not in builds:
        raise Refusal(f"no build preset {preset!r} in {root / 'CMakePresets.json'} "
                      f"(there are: {', '.join(builds)})")
    configures = {p["name"]: p for p in presets.get("configurePresets", [])}
    name = builds[preset]["configurePreset"]
    configure = configures[name]
    while "binaryDir" not in configure:
        parent = configure["inherits"]
        configure = configures[parent[0] if isinstance(parent, list) else parent]
    return root / configure["binaryDir"].replace("${sourceDir}", str(root)).replace("${presetName}", name)


def include_dirs(entry: dict) -> set[Path]:
    """The folders a compile command searches for includes."""
    args = entry.get("arguments") or shlex.split(entry["command"])
    found = set()
    for k, arg in enumerate(args):
        for flag in ("-I", "-iquote", "-isystem"):
            if arg == flag and k + 1 < len(args):
                found.add(Path(entry["directory"], args[k + 1]).resolve())
            elif arg.startswith(flag) and len(arg) > len(flag):
                found.add(Path(entry["directory"], arg[len(flag):]).resolve())
    return found


def compiled_sources(root: Path, build: Path, preset: str) -> list[str]:
    """The files of src/ that the build compiles, directly or included, voice-line tables left out."""
    database = build / "compile_commands.json"
    if not database.is_file():
        raise Refusal(f"configuring the preset {preset} wrote no {database}")
    entries = json.loads(database.read_text())
    dirs = set().union(*(include_dirs(e) for e in entries))
    pending = [Path(e["directory"], e["file"]).resolve() for e in entries]
    seen: set[Path] = set()
    while pending:
        path = pending.pop()
        if path in seen or not path.is_relative_to(root) or not path.is_file():
            continue
        seen.add(path)
        for name in INCLUDE.findall(path.read_text(errors="replace")):
            found = next((d / name for d in (path.parent, *dirs) if (d / name).is_file()), None)
            if found:
                pending.append(found.resolve())
    src = root / "src"
    return sorted(p.relative_to(root).as_posix() for p in seen
                  if p.is_relative_to(src) and not (p.name.startswith("lines_") and p.suffix == ".cpp"))


# --- where faults go ---------------------------------------------------------------------------

def _quoted_end(text: str, i: int) -> int:
    quote, i = text[i], i + 1
    while i < len(text) and text[i] not in (quote, "\n"):
        i += 2 if text[i] == "\\" else 1
    return min(i + 1, len(text))


def _raw_end(text: str, i: int) -> int:
    opening = RAW_OPEN.match(text, i)
    if not opening:
        return _quoted_end(text, i)
    close = ")" + opening.group(1) + '"'
    j = text.find(close, opening.end())
    return len(text) if j < 0 else j + len(close)


def _directive_end(text: str, i: int) -> int:
    while (j := text.find("\n", i)) >= 0:
        if not text[i:j].rstrip("\r").endswith("\\"):
            return j
        i = j + 1
    return len(text)


def _line_end(text: str, i: int) -> int:
    j = text.find("\n", i)
    return len(text) if j < 0 else j


def _blank(chars: list[str], start: int, end: int) -> None:
    chars[start:end] = [ch if ch == "\n" else " " for ch in chars[start:end]]


def code_only(text: str) -> str:
    """The text with comments, string and character literals, preprocessor lines and static_asserts
    (a fault there only stops the build) blanked out; newlines stay, so offsets and line numbers
    are the text's."""
    out = list(text)
    i, line_start = 0, True
    while i < len(text):
        c, start = text[i], i
        if c.isspace():
            line_start = line_start or c == "\n"
            i += 1
            continue
        if c == "#" and line_start:
            i = _directive_end(text, i)
        elif text.startswith("//", i):
            i = _line_end(text, i)
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            i = len(text) if j < 0 else j + 2
        elif c in "\"'":
            i = _quoted_end(text, i)
        elif (word := IDENTIFIER.match(text, i)) and word.group() in RAW_PREFIXES and text.startswith('"', word.end()):
            i = _raw_end(text, word.end())
        else:
            # Identifiers and numbers whole, so that u8"x" and 1'000 are not read as literals' quotes.
            token = word or (NUMBER.match(text, i) if c.isdigit() else None)
            i = token.end() if token else i + 1
            line_start = False
            continue
        _blank(out, start, i)
        line_start = False
    code = "".join(out)
    for found in STATIC_ASSERT.finditer(code):
        close = _matching_paren(code, found.end() - 1)
        _blank(out, found.start(), len(code) if close is None else close + 1)
    return "".join(out)


def _matching_paren(code: str, i: int) -> int | None:
    depth = 0
    for j in range(i, len(code)):
        depth += {"(": 1, ")": -1}.get(code[j], 0)
        if depth == 0:
            return j
    return None


def _starts_statement(code: str, i: int) -> bool:
    """Whether code before i ends a statement or opens one (a block, a label, a loop's head)."""
    before = code[:i].rstrip()
    return not before or before[-1] in ";{}:)" or re.search(r"\b(?:else|do)$", before[-5:]) is not None


def call_statements(code: str):
    """(start, end) of each call standing as a statement of its own: f(x); or a.b->g(y);"""
    for call in CALL_START.finditer(code):
        if IDENTIFIER.match(call.group(1)).group() in NOT_CALLS or not _starts_statement(code, call.start(1)):
            continue
        close = _matching_paren(code, call.end() - 1)
        if close is None:
            continue
        after = close + 1
        while after < len(code) and code[after].isspace():
            after += 1
        if code.startswith(";", after):
            yield call.start(1), after + 1


def decimal_successor(token: str) -> str | None:
    """n+1 for a decimal integer literal (suffix kept), None for any other number."""
    literal = DECIMAL.fullmatch(token)
    if not literal:
        return None
    digits = literal.group(1).replace("'", "")
    if len(digits) > 1 and digits.startswith("0"):
        return None  # octal
    return str(int(digits) + 1) + literal.group(2)


def _joins_text(text: str, code: str, i: int) -> bool:
    """Whether the statement around i holds a string literal: a + there most likely joins text,
    and a - in its place would not build."""
    start = max(code.rfind(c, 0, i) for c in ";{}") + 1
    end = min((j for c in ";{}" if (j := code.find(c, i)) >= 0), default=len(code))
    return '"' in text[start:end]


def find_sites(path: str, text: str) -> list[Site]:
    code = code_only(text)
    brackets = {i for m in TEMPLATE_CLOSE.finditer(code) for i in (m.start(), m.end())}
    changes = [(m.start(), m.end(), SWAPS[m.group()], "operator") for m in OPERATOR.finditer(code)
               if m.start() not in brackets
               and (m.group() not in ("+", "+=") or not _joins_text(text, code, m.start()))]
    changes += [(m.start(), m.end(), "false" if m.group() == "true" else "true", "boolean")
                for m in BOOLEAN.finditer(code)]
    changes += [(m.start(), m.end(), new, "literal") for m in NUMBER.finditer(code)
                if (new := decimal_successor(m.group()))]
    # {} rather than nothing: the statement may be the body of an if or a loop.
    changes += [(start, end, "{}", "deletion") for start, end in call_statements(code)]
    return [Site(path, text.count("\n", 0, start) + 1, start, end, new, kind)
            for start, end, new, kind in sorted(changes)]


def describe(site: Site, text: str) -> tuple[str, str]:
    """The line before and after the change, whitespace collapsed and trimmed around the change."""
    def flat(s: str) -> str:
        return re.sub(r"\s+", " ", s)

    head = flat(text[text.rfind("\n", 0, site.start) + 1:site.start]).lstrip()
    tail = flat(text[site.end:_line_end(text, site.end)]).rstrip()
    head = head if len(head) <= EXCERPT else "..." + head[-EXCERPT:]
    tail = tail if len(tail) <= EXCERPT else tail[:EXCERPT] + "..."
    old = flat(text[site.start:site.end])
    if site.kind == "deletion":
        return old if len(old) <= 2 * EXCERPT else old[:2 * EXCERPT] + "...", "(deleted)"
    return head + old + tail, head + site.new + tail


class Sources:
    """The compiled files of the copy's src/ as read at the start, to plant faults in and put back."""

    def __init__(self, root: Path, files: list[str]):
        self.root = root
        self.original = {f: (root / f).read_bytes() for f in files}

    def text(self, path: str) -> str:
        return self.original[path].decode("utf-8", "surrogateescape")

    def plant(self, site: Site) -> None:
        text = self.text(site.path)
        mutated = text[:site.start] + site.new + text[site.end:]
        (self.root / site.path).write_bytes(mutated.encode("utf-8", "surrogateescape"))

    def restore(self, site: Site) -> None:
        (self.root / site.path).write_bytes(self.original[site.path])


def sample(sources: Sources, seed: int) -> list[Site]:
    sites = [site for path in sources.original for site in find_sites(path, sources.text(path))]
    random.Random(seed).shuffle(sites)
    return sites


# --- running builds and tests ------------------------------------------------------------------

def _exited(pid: int) -> bool:
    # WNOWAIT leaves the exited leader unreaped, so its group id cannot be reused before the group is ended.
    return os.waitid(os.P_PID, pid, os.WEXITED | os.WNOHANG | os.WNOWAIT) is not None


def _group_has_live_members(pgid: int) -> bool:
    for entry in os.scandir("/proc"):
        if not entry.name.isdigit():
            continue
        try:
            stat = Path(entry.path, "stat").read_text()
        except OSError:
            continue
        state, _, group = stat[stat.rfind(")") + 2:].split()[:3]
        if int(group) == pgid and state != "Z":
            return True
    return False


def _signal_group(pgid: int, signum: int) -> None:
    with contextlib.suppress(ProcessLookupError):
        os.killpg(pgid, signum)


def _await_group(pgid: int, seconds: float) -> None:
    deadline = time.monotonic() + seconds
    while _group_has_live_members(pgid) and time.monotonic() < deadline:
        time.sleep(0.1)


def end_group(proc: subprocess.Popen) -> None:
    """Ends whatever of the command's process group is left (all of it on a timeout or a stop):
    SIGTERM, a few seconds' grace for ninja to remove half-written files, then SIGKILL; returns
    once the group is gone."""
    _signal_group(proc.pid, signal.SIGTERM)
    _await_group(proc.pid, 5)
    _signal_group(proc.pid, signal.SIGKILL)
    _await_group(proc.pid, 5)
    proc.wait()


def run(cmd: list[str], ctx: Context, log: Path, limit: float) -> tuple[int | None, float]:
    """Runs cmd in the copy, in a process group of its own with its output in log; (exit status or
    None when it ran past limit seconds, seconds taken)."""
    with open(log, "wb") as out:
        proc = subprocess.Popen(cmd, cwd=ctx.root, env=ctx.env, stdin=subprocess.DEVNULL, stdout=out,
                                stderr=subprocess.STDOUT, start_new_session=True)
    start, timed_out = time.monotonic(), False
    try:
        while not _exited(proc.pid):
            if time.monotonic() - start > limit:
                timed_out = True
                break
            time.sleep(0.1)
    finally:
        seconds = time.monotonic() - start
        try:
            end_group(proc)
        except Stop:
            end_group(proc)  # cut short by the stop, whose signals are ignored from now on
            raise
    return (None if timed_out else proc.returncode), seconds


def build(ctx: Context, limit: float) -> tuple[int | None, float]:
    return run(["cmake", "--build", "--preset", ctx.preset], ctx, ctx.tmp / "build.log", limit)


def test(ctx: Context, limit: float) -> tuple[int | None, float]:
    cmd = ["ctest", "--preset", ctx.preset, "--stop-on-failure", "--no-tests=error", "-j", str(ctx.jobs)]
    return run(cmd + (["-R", ctx.tests] if ctx.tests else []), ctx, ctx.tmp / "test.log", limit)


def failed_test(log: Path) -> str:
    """The first test ctest reported as not passing, with how (Failed, Timeout, Exception...)."""
    found = re.search(r"Test\s+#\d+: (\S+) \.*\s*\*+([^\n]*?)\s+[\d.]+ sec", log.read_text(errors="replace"))
    return f"{found.group(1)}: {found.group(2)}" if found else "ctest failed"


def tail(log: Path, lines: int = 30) -> str:
    return "\n".join(log.read_text(errors="replace").splitlines()[-lines:])


# --- the copy ----------------------------------------------------------------------------------

def git(root: Path, *args: str) -> str:
    """git's output; its message as a refusal when it fails."""
    done = subprocess.run(["git", "-C", str(root), *args], capture_output=True, text=True)
    if done.returncode != 0:
        raise Refusal(f"git {' '.join(args[:2])} in {root} fails: {done.stderr.strip()}")
    return done.stdout


def remove_stale_copies(root: Path) -> None:
    """Removes the copies left by runs killed outright, then the registrations of gone worktrees."""
    for folder in Path(tempfile.gettempdir()).glob("mutants-*"):
        owner = COPY_NAME.fullmatch(folder.name)
        if owner and not Path("/proc", owner[1]).exists():
            shutil.rmtree(folder, ignore_errors=True)
    git(root, "worktree", "prune")


def copy_working_tree(root: Path, tree: Path) -> None:
    """Makes the worktree's files those of root's working tree: tracked ones as they are now,
    uncommitted changes included, untracked ones unless ignored, deleted ones gone."""
    listed = git(root, "ls-files", "-z", "--cached", "--others", "--exclude-standard").split("\0")
    wanted = {path for path in listed if path and os.path.lexists(root / path)}
    for path in git(tree, "ls-files", "-z").split("\0"):
        if path and path not in wanted:
            (tree / path).unlink(missing_ok=True)
    for path in wanted:
        if (root / path).is_dir() and not (root / path).is_symlink():
            continue  # a submodule
        (tree / path).parent.mkdir(parents=True, exist_ok=True)
        (tree / path).unlink(missing_ok=True)
        shutil.copy2(root / path, tree / path, follow_symlinks=False)


@contextlib.contextmanager
def copy_of(root: Path, preset: str, tests: str | None):
    """A copy of root's sources in a worktree of the temporary folder with the preset configured,
    removed on leaving however that happens."""
    remove_stale_copies(root)
    top = Path(tempfile.mkdtemp(prefix=f"mutants-{os.getpid()}-")).resolve()
    tree, tmp = top / "tree", top / "tmp"
    try:
        # Open like /tmp itself: some tests run parts as an unprivileged user inside their temporary folder.
        top.chmod(0o755)
        tmp.mkdir()
        tmp.chmod(0o1777)
        print(f"copying {root} to {tree} ...", flush=True)
        git(root, "worktree", "add", "--detach", "--quiet", str(tree), "HEAD")
        copy_working_tree(root, tree)
        env = dict(os.environ, TMPDIR=str(tmp), TMP=str(tmp), TEMP=str(tmp))
        ctx = Context(tree, preset, binary_dir(tree, preset), env, tmp, len(os.sched_getaffinity(0)), tests)
        status, _ = run(["cmake", "--preset", preset], ctx, tmp / "configure.log", CONFIGURE_LIMIT)
        if status != 0:
            how = f"runs past {CONFIGURE_LIMIT:.0f} s" if status is None else "fails"
            raise Refusal(f"configuring the copy with the preset {preset} {how}:\n{tail(tmp / 'configure.log')}")
        yield ctx
    finally:
        # Removing the build takes seconds; a second signal must not leave the copy half removed.
        for signum in STOP_SIGNALS:
            signal.signal(signum, signal.SIG_IGN)
        shutil.rmtree(top, ignore_errors=True)
        subprocess.run(["git", "-C", str(root), "worktree", "prune"], capture_output=True)


# --- the run -----------------------------------------------------------------------------------

def baseline(ctx: Context, timeout: float | None, build_timeout: float | None) -> tuple[float, float]:
    """Checks that the unchanged copy builds and passes; the time limits of a mutant's build and tests."""
    print(f"baseline: building {ctx.build_dir} in full ...", flush=True)
    status, seconds = build(ctx, BASELINE_BUILD_LIMIT)
    if status is None:
        raise Refusal(f"the baseline build ran past {BASELINE_BUILD_LIMIT:.0f} s")
    if status != 0:
        raise Refusal(f"the baseline build fails (fix it first):\n{tail(ctx.tmp / 'build.log')}")
    build_limit = build_timeout or max(300.0, 2 * seconds)
    print(f"baseline: built in {seconds:.0f} s (a mutant's build is stopped after {build_limit:.0f} s); "
          f"testing ...", flush=True)
    status, seconds = test(ctx, BASELINE_TEST_LIMIT)
    log = ctx.tmp / "test.log"
    if status is None:
        raise Refusal(f"the baseline tests ran past {BASELINE_TEST_LIMIT:.0f} s")
    if status != 0:
        found_none = "No tests were found" in log.read_text(errors="replace")
        raise Refusal(f"no test's name matches --tests {ctx.tests!r}" if found_none else
                      f"the baseline tests fail: {failed_test(log)} (fix it first):\n{tail(log)}")
    limit = timeout or max(60.0, 3 * seconds)
    print(f"baseline: tests pass in {seconds:.0f} s; a mutant's tests are stopped after {limit:.0f} s",
          flush=True)
    if seconds > limit:
        print("warning: the limit is shorter than the baseline's tests: most mutants will time out", flush=True)
    return build_limit, limit


LABELS = {"caught": "caught", "survived": "SURVIVED", "does not build": "no build",
          "build timed out": "timed out"}


def try_mutant(ctx: Context, sources: Sources, site: Site, limits: tuple[float, float]) -> dict:
    """Plants one fault in the copy, builds and tests; its row. The file is back as it was on return."""
    before, after = describe(site, sources.text(site.path))
    start = time.monotonic()
    sources.plant(site)
    status, seconds = build(ctx, limits[0])
    if status is None:
        result, how = "build timed out", f"build timed out after {seconds:.0f} s; not counted"
    elif status != 0:
        result, how = "does not build", "skipped"
    else:
        status, seconds = test(ctx, limits[1])
        result = "survived" if status == 0 else "caught"
        how = ("tests pass" if status == 0 else f"timed out after {seconds:.0f} s" if status is None
               else failed_test(ctx.tmp / "test.log"))
    sources.restore(site)
    row = {"file": site.path, "line": site.line, "kind": site.kind, "before": before, "after": after,
           "result": result, "how": how, "seconds": round(time.monotonic() - start, 1)}
    print(f"{LABELS[result]:<9} {site.path}:{site.line}  {before}  ->  {after}  ({how}; {row['seconds']:.0f} s)",
          flush=True)
    return row


def tested(row: dict) -> bool:
    return row["result"] in ("caught", "survived")


def test_mutants(ctx: Context, sources: Sources, sites: list[Site], count: int,
                 limits: tuple[float, float], rows: list[dict]) -> None:
    done = 0
    for site in sites:
        if done == count:
            return
        rows.append(try_mutant(ctx, sources, site, limits))
        done += tested(rows[-1])
    if done < count:
        print(f"all {len(sites)} sites tried: only {done} mutants built and were tested", flush=True)


def summary(rows: list[dict]) -> str:
    valid = [row for row in rows if tested(row)]
    caught = sum(row["result"] == "caught" for row in valid)
    share = 100.0 * caught / len(valid) if valid else 0.0
    line = f"caught {caught} of {len(valid)} mutants ({share:.0f}%)"
    slow = sum(row["result"] == "build timed out" for row in rows)
    return line + (f"; {slow} more whose build timed out, counted neither as caught nor as tested"
                   if slow else "")


def mutate(args: argparse.Namespace, ctx: Context, sources: Sources, sites: list[Site]) -> int:
    rows: list[dict] = []
    stopped = None
    try:
        limits = baseline(ctx, args.timeout, args.build_timeout)
        test_mutants(ctx, sources, sites, args.count, limits, rows)
    except Stop as caught:
        stopped = caught.signum
        print(f"stopped by {caught}", flush=True)
    if args.json:
        Path(args.json).write_text(json.dumps({"seed": args.seed, "preset": args.preset, "tests": args.tests,
                                               "mutants": rows}, indent=1) + "\n")
    print(summary(rows), flush=True)
    return 0 if stopped is None else 128 + stopped


def parse_args(argv: list[str] | None) -> argparse.Namespace:
    parser = argparse.ArgumentParser(prog="mutants.py", description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("clone", nargs="?", default=str(Path(__file__).resolve().parent.parent),
                        help="the clone whose sources are copied and measured (default: the one "
                             "holding this script)")
    parser.add_argument("--seed", type=int, default=1, help="which sample (default 1)")
    parser.add_argument("--count", "-n", type=int, default=40,
                        help="mutants to test, not counting those that do not build in time (default 40)")
    parser.add_argument("--preset", default="linux",
                        help="the CMake preset to build and test (default linux; asan also catches "
                             "reads and writes out of bounds)")
    parser.add_argument("--tests", metavar="REGEX",
                        help="run only the tests whose names REGEX matches (ctest -R), in the baseline "
                             "too: faster, and a fault only other tests catch survives")
    parser.add_argument("--timeout", type=float, metavar="SECONDS",
                        help="time limit of a mutant's tests (default: 3x the baseline's, at least 60 s)")
    parser.add_argument("--build-timeout", type=float, metavar="SECONDS",
                        help="time limit of a mutant's rebuild (default: 2x the baseline's full build, "
                             "at least 300 s); one past it is reported as timed out and not counted")
    parser.add_argument("--json", metavar="OUT", help="also write every mutant's row to OUT")
    parser.add_argument("--list", action="store_true",
                        help="print the first --count sampled sites and stop; configures the copy, builds "
                             "nothing (a run goes further down the same order when a mutant does not build)")
    args = parser.parse_args(argv)
    if args.count < 1 or any(limit is not None and limit <= 0 for limit in (args.timeout, args.build_timeout)):
        parser.error("--count, --timeout and --build-timeout must be positive")
    return args


def _stop(signum: int, _frame) -> None:
    for each in STOP_SIGNALS:  # one is enough: the run is ending, and its clean-up must not be cut short
        signal.signal(each, signal.SIG_IGN)
    raise Stop(signum)


def main(argv: list[str] | None = None) -> int:
    args = parse_args(argv)
    root = Path(args.clone).resolve()
    for signum in STOP_SIGNALS:
        signal.signal(signum, _stop)
    try:
        if not (root / "src").is_dir() or not (root / "CMakePresets.json").is_file():
            raise Refusal(f"{root} is not a clone of the project (no src/ or CMakePresets.json)")
        binary_dir(root, args.preset)  # an unknown preset is refused before a copy is made
        with copy_of(root, args.preset, args.tests) as ctx:
            sources = Sources(ctx.root, compiled_sources(ctx.root, ctx.build_dir, args.preset))
            sites = sample(sources, args.seed)
            if not args.list:
                return mutate(args, ctx, sources, sites)
            print(f"{len(sites)} sites in {len(sources.original)} files; the first {args.count} for seed {args.seed}:")
            for site in sites[:args.count]:
                before, after = describe(site, sources.text(site.path))
                print(f"{site.path}:{site.line}  {before}  ->  {after}")
            return 0
    except Refusal as refusal:
        print(f"mutants.py: {refusal}", file=sys.stderr)
        return 2
    except Stop as stop:
        print(f"mutants.py: stopped by {stop}", file=sys.stderr)
        return 128 + stop.signum


if __name__ == "__main__":
    sys.exit(main())
