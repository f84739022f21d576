#!/usr/bin/env python3
"""Writes README.txt, the players' guide in the release zip, from the Markdown documents in docs/.

    scripts/readme_text.py VERSION README.md LINES.md SETTINGS.md      (prints README.txt)

README.md is the guide itself; LINES.md (the taunt list file's description, its title left out)
stands where README.md has the line @OWN_LINES@, and SETTINGS.md (the settings reference) follows
at the end, each a heading level lower. The text is for Notepad: lines of at most 80 characters,
headings underlined, tables as aligned columns (or, when they would be wider, each row as an
indented list), list items nested under their parent's text, code indented, and no Markdown
markup: no #, backticks, ** or links. HTML comments (notes for developers) are left out.

What it cannot turn into text without losing words or markup (an unclosed ``` or comment, a
heading deeper than it underlines, a table row whose cells do not match its header's) stops it
with FILE:LINE: what is wrong, and status 1.
"""
import itertools
import re
import sys
import textwrap
from typing import NamedTuple

WIDTH = 80
UNDERLINES = {1: "=", 2: "=", 3: "-", 4: "~"}
ITEM = re.compile(r"( *)(- |\d+\. )")  # a list item's start: its indent and its bullet


class Line(NamedTuple):
    """A line of Markdown, where its author wrote it, and how many levels its headings go down."""
    text: str
    path: str
    number: int
    demote: int = 0


class Fault(Exception):
    """What README.txt cannot be made from, said as FILE:LINE: what is wrong."""


def fault(line, message):
    return Fault(f"{line.path}:{line.number}: {message}")


def source(path, demote=0):
    """The file's lines. Comments are blanked rather than cut out, so every line keeps its number."""
    try:
        with open(path, encoding="utf-8") as file:
            text = file.read()
    except OSError as error:
        raise Fault(f"{path}: {error.strerror}") from None
    text = re.sub(r"<!--.*?-->", lambda comment: "\n" * comment.group().count("\n"), text, flags=re.S)
    lines = [Line(text, path, number, demote) for number, text in enumerate(text.split("\n"), 1)]
    unclosed = next((line for line in lines if "<!--" in line.text), None)
    if unclosed:
        raise fault(unclosed, "<!-- opens a comment that is never closed")
    return lines


def guide(version, readme, own, settings):
    """README.md's lines with LINES.md's (less its title) for @OWN_LINES@, then SETTINGS.md's."""
    title, *own_lines = source(own, 1)
    if not title.text.startswith("# "):
        raise fault(title, "the first line must be the title, '# ...' (README.md gives the section its own)")
    lines = source(readme)
    at = next((i for i, line in enumerate(lines) if line.text.strip() == "@OWN_LINES@"), None)
    if at is None:
        raise Fault(f"{readme}: no line @OWN_LINES@ to stand for {own}")
    lines = [line._replace(text=line.text.replace("@VERSION@", version)) for line in lines]
    return lines[:at] + own_lines + lines[at + 1:] + source(settings, 1)


def plain(text):
    """Inline markup away: `code`, **strong**, [text](link), escaped characters."""
    text = re.sub(r"\[([^\]]*)\]\([^)]*\)", r"\1", text)
    text = re.sub(r"\*\*([^*]*)\*\*", r"\1", text)
    text = re.sub(r"`([^`]*)`", r"\1", text)
    return re.sub(r"\\([\\|`*_\[\]])", r"\1", text)


def wrapped(text, first, rest):
    return textwrap.wrap(plain(text), WIDTH, initial_indent=first, subsequent_indent=rest,
                         break_long_words=False, break_on_hyphens=False)


def heading(line):
    match = re.match(r"(#+) (.*)", line.text)
    if not match:
        raise fault(line, "a line starting with # is a heading: #s, a space, then its text")
    level, text = len(match.group(1)) + line.demote, plain(match.group(2))
    if level not in UNDERLINES:
        lower = ", a level lower in README.txt," if line.demote else ""
        raise fault(line, f"heading too deep: {match.group(1)}{lower} is level {level}; "
                          f"README.txt underlines levels 1 to {max(UNDERLINES)}")
    return ["", text, UNDERLINES[level] * len(text)] if level > 1 else [text, UNDERLINES[1] * len(text)]


def cells(line):
    return [plain(cell.strip()) for cell in re.split(r"(?<!\\)\|", line.text.strip().strip("|"))]


def table_rows(lines):
    """The header's cells and the rows', each row as many cells as the header: more would be dropped
    from the text, fewer would shift the columns."""
    if len(lines) < 2 or not re.fullmatch(r"[|:\- ]*-[|:\- ]*", lines[1].text):
        raise fault(lines[min(1, len(lines) - 1)], "a table's second line must be its |---| rule")
    header = cells(lines[0])
    for line in lines[1:]:
        count = len(cells(line))
        if count != len(header):
            extra = ": README.txt would drop the rest" if count > len(header) else ""
            raise fault(line, f"table row has {count} cell{'s' * (count != 1)} where its header has "
                              f"{len(header)}{extra}")
    return header, [cells(line) for line in lines[2:]]


def table(lines):
    header, body = table_rows(lines)
    widths = [max(len(row[i]) for row in [header] + body) for i in range(len(header))]
    if sum(widths) + 2 * (len(widths) - 1) <= WIDTH:
        line = lambda row: "  ".join(cell.ljust(width) for cell, width in zip(row, widths)).rstrip()
        return [line(header), line(["-" * width for width in widths])] + [line(row) for row in body]
    # Too wide for columns: the header, then each row as an item.
    out = wrapped(f"{header[0]}: {', '.join(header[1:])}", "", "  ")
    for row in body:
        if len(row) == 2:  # a name and what it means
            out += wrapped(f"{row[0]}: {row[1]}", "- ", "  ")
            continue
        out += wrapped(row[0], "- ", "  ")
        for name, cell in zip(header[1:], row[1:]):
            out += wrapped(f"{name}: {cell}", "  ", "    ")
    return out


def items(lines):
    """A list's items as (indent, bullet, text). An item indented at least as far as the text of an
    item above is nested in it, and stands in README.txt under that item's text; other lines
    continue the item above them."""
    out, parents = [], []  # parents: (column of its text in the Markdown, indent of it in the text)
    for line in lines:
        item = ITEM.match(line.text)
        if not item:
            out[-1][2].append(line.text.strip())
            continue
        while parents and len(item.group(1)) < parents[-1][0]:
            parents.pop()
        indent = parents[-1][1] if parents else ""
        parents.append((item.end(), indent + " " * len(item.group(2))))
        out.append((indent, item.group(2), [line.text[item.end():].strip()]))
    return [(indent, bullet, " ".join(text)) for indent, bullet, text in out]


def extent(kind, lines, start):
    """Where the block starting at lines[start] ends: at a blank line (but a list goes on at its next
    item), or where a block of another kind starts."""
    end = start + 1
    while end < len(lines):
        text = lines[end].text
        if not text.strip():
            after = next((line.text for line in lines[end:] if line.text.strip()), "")
            if kind != "list" or not ITEM.match(after):
                break
        elif text.startswith(("```", "#")) or (kind == "table") != text.startswith("|"):
            break
        elif kind == "paragraph" and re.match(r"(- |\d+\. )", text):
            break  # only at the margin: an indented "- " goes on with the paragraph's text
        end += 1
    return end


def file_blocks(lines):
    """The blocks of one file's lines, as (kind, lines): heading, code, table, list, paragraph."""
    i = 0
    while i < len(lines):
        line = lines[i]
        if not line.text.strip():
            i += 1
        elif line.text.startswith("```"):
            end = next((j for j in range(i + 1, len(lines)) if lines[j].text.rstrip() == "```"), None)
            if end is None:
                raise fault(line, "``` opens a code block that is never closed")
            yield "code", lines[i + 1:end]
            i = end + 1
        elif line.text.startswith("#"):
            yield "heading", [line]
            i += 1
        else:
            kind = "table" if line.text.startswith("|") else "list" if ITEM.match(line.text) else "paragraph"
            end = extent(kind, lines, i)
            yield kind, [line for line in lines[i:end] if line.text.strip()]
            i = end


def blocks(lines):
    """Each file's blocks in turn: none runs from one file into the next, so a ``` closes in its own."""
    for _, part in itertools.groupby(lines, key=lambda line: line.path):
        yield from file_blocks(list(part))


def render(lines):
    out = []
    previous = None
    for kind, block in blocks(lines):
        # Blocks stand a blank line apart, but the items of a list follow each other.
        if previous is not None and not (kind == previous == "list"):
            out.append("")
        previous = kind
        if kind == "heading":
            out += heading(block[0])
        elif kind == "code":
            out += ["    " + line.text if line.text else "" for line in block]
        elif kind == "table":
            out += table(block)
        elif kind == "list":
            for indent, bullet, text in items(block):
                out += wrapped(text, indent + bullet, indent + " " * len(bullet))
        else:
            out += wrapped(" ".join(line.text.strip() for line in block), "", "")
    return re.sub(r"\n{3,}", "\n\n", "\n".join(out)).strip("\n") + "\n"


def main():
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    try:
        sys.stdout.write(render(guide(*sys.argv[1:])))
    except Fault as problem:
        sys.exit(str(problem))


if __name__ == "__main__":
    main()
