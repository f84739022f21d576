#!/usr/bin/env python3
"""README.txt, as the release zip gives it to players, reads well in Notepad and keeps every word of
docs/: no line over 80 characters, no Markdown markup left, every word of the Markdown (markup,
comments and links' targets aside) in the text, in its order. Small documents check that nested list
items stand under their parent and that faulty Markdown stops the script at its file and line.

    readme_text_test.py REPO"""
from itertools import groupby
import difflib, pathlib, re, subprocess, sys, tempfile

root = pathlib.Path(sys.argv[1]).resolve()
failures = []


def run(version, *paths, cwd=None):
    return subprocess.run([sys.executable, root / "scripts/readme_text.py", version, *paths],
                          capture_output=True, text=True, cwd=cwd)


def fixture(readme, lines="# Own\n", settings=""):
    """The script run on three small files, named as in docs/."""
    with tempfile.TemporaryDirectory() as folder:
        for name, text in (("README.md", readme), ("lines.md", lines), ("settings.md", settings)):
            (pathlib.Path(folder) / name).write_text(text)
        return run("1.0", "README.md", "lines.md", "settings.md", cwd=folder)


def words(text):
    return re.findall(r"\w+", text)


def markdown_words(path, version):
    """The words of a Markdown input as README.txt should have them, each with its FILE:LINE."""
    text = re.sub(r"<!--.*?-->", lambda note: "\n" * note.group().count("\n"), path.read_text(), flags=re.S)
    text = re.sub(r"\]\([^)]*\)", "]", text).replace("@VERSION@", version)
    lines = text.split("\n")
    # Left out: lines.md's title, as README.md gives the section its own.
    left_out = {0} if path.name == "lines.md" else set()
    for n, line in enumerate(lines):
        if line == "@OWN_LINES@":
            yield from markdown_words(path.with_name("lines.md"), version)
        elif n not in left_out:
            yield from ((word, f"{path.name}:{n + 1}") for word in words(line))


def check_docs():
    version = (root / "VERSION").read_text().split("\n")[0]
    docs = [root / "docs" / name for name in ("README.md", "lines.md", "settings.md")]
    result = run(version, *docs)
    if result.returncode:
        return failures.append(f"docs/: {result.stderr}")
    text = result.stdout.split("\n")
    for n, line in enumerate(text, 1):
        if len(line) > 80 or re.search(r"^#|`|\*\*|^ *\||\]\(|<!--|-->|@[A-Z_]+@", line):
            failures.append(f"README.txt:{n}: over 80 characters or markup: {line}")
    # In order: each word of the Markdown is in README.txt after the one before it (a wide table's
    # header names come in between). When one is not, difflib tells which.
    expected = [*markdown_words(docs[0], version), *markdown_words(docs[2], version)]
    told = words(result.stdout)
    remaining = iter(told)
    if not all(word in remaining for word, _ in expected):
        matcher = difflib.SequenceMatcher(None, [word for word, _ in expected], told, autojunk=False)
        lost = [expected[i] for tag, start, end, _, _ in matcher.get_opcodes() if tag in ("delete", "replace")
                for i in range(start, end)]
        by_line = [place + ": " + " ".join(word for word, _ in pairs)
                   for place, pairs in groupby(lost, lambda pair: pair[1])]
        failures.append("README.txt lacks (or has out of order) these words of the Markdown:\n"
                        + "\n".join(by_line[:10]))


LISTS = [  # Markdown, README.txt
    ("- item\n  - nested item\n    continued\n- next\n", "- item\n  - nested item continued\n- next\n"),
    ("1. one\n   - under its text\n\n   - after a blank line\n   lazy\n2. two\n",
     "1. one\n   - under its text\n   - after a blank line lazy\n2. two\n"),
    ("- a\n  - " + "nested " * 20 + "\n",
     "- a\n  - " + " ".join(["nested"] * 11) + "\n    " + " ".join(["nested"] * 9) + "\n"),
]

FAULTS = [  # README.md, lines.md, settings.md, what the script says
    ("# G\n\n@OWN_LINES@\n\n```\ncode\n", "# Own\n\n1\n\n2\n", "", "README.md:5: ``` opens"),
    ("# G\n\n@OWN_LINES@\n\n```\n", "# Own\n\n```\ncode\n", "", "lines.md:3: ``` opens"),
    ("# G\n\n#### four\n\n@OWN_LINES@\n", "# Own\n\n### three\n\n#### four\n", "",
     "lines.md:5: heading too deep"),
    ("# G\n@OWN_LINES@\n", "# Own\n", "# S\n<!-- two\nlines -->\n| a | b |\n|---|---|\n| 1 |\n",
     "settings.md:6: table row has 1 cell where its header has 2"),
    ("# G\n<!-- note\n@OWN_LINES@\n", "# Own\n", "", "README.md:2: <!-- opens"),
    ("# G\n@OWN_LINES@\n", "Own\n", "", "lines.md:1: the first line must be the title"),
    ("# G\n", "# Own\n", "", "README.md: no line @OWN_LINES@"),
]


def check_fixtures():
    for markdown, text in LISTS:
        result = fixture(markdown + "\n@OWN_LINES@\n")
        if result.stdout != text:
            failures.append(f"{markdown!r} gives {result.stdout!r}, not {text!r} {result.stderr}")
    for readme, lines, settings, said in FAULTS:
        result = fixture(readme, lines, settings)
        if result.returncode != 1 or not result.stderr.startswith(said) or result.stderr.count("\n") != 1:
            failures.append(f"{said}: status {result.returncode}, said {result.stderr!r}")
    usage = run("1.0")
    if usage.returncode != 1 or "VERSION README.md LINES.md SETTINGS.md" not in usage.stderr:
        failures.append(f"wrong usage: status {usage.returncode}, said {usage.stderr!r}")


check_docs()
check_fixtures()
print("\n".join(failures) or "README.txt: within 80 columns, no markup, every word; lists and faults",
      file=sys.stderr if failures else sys.stdout)
sys.exit(1 if failures else 0)
