#!/usr/bin/env python3
"""Writes README.txt, the players' guide in the release zip, from the Markdown documents in docs/.

    scripts/readme_text.py VERSION README.md LINES.md SETTINGS.md      (prints README.txt)

README.md is the guide itself; LINES.md (the taunt list file's description, its title left out)
stands where README.md writes @OWN_LINES@, and SETTINGS.md (the settings reference) follows at
the end, each a heading level lower. The text is for Notepad: lines of at most 80 characters,
headings underlined, tables as aligned columns (or, when they would be wider, each row as an
indented list), code indented, and no Markdown markup: no #, backticks, ** or links. HTML comments
(notes for developers) are left out.
"""
import re
import sys
import textwrap

WIDTH = 80
UNDERLINES = {1: "=", 2: "=", 3: "-", 4: "~"}


def demoted(markdown, levels):
    return re.sub(r"^(#+) ", lambda m: "#" * (len(m.group(1)) + levels) + " ", markdown, flags=re.M)


def plain(text):
    """Inline markup away: `code`, **strong**, [text](link), escaped characters."""
    text = re.sub(r"\[([^\]]*)\]\([^)]*\)", r"\1", text)
    text = re.sub(r"\*\*([^*]*)\*\*", r"\1", text)
    text = re.sub(r"`([^`]*)`", r"\1", text)
    return re.sub(r"\\([\\|`*_\[\]])", r"\1", text)


def wrapped(text, first, rest):
    return textwrap.wrap(plain(text), WIDTH, initial_indent=first, subsequent_indent=rest,
                         break_long_words=False, break_on_hyphens=False)


def heading(level, text):
    text = plain(text)
    return ["", text, UNDERLINES[level] * len(text)] if level > 1 else [text, UNDERLINES[1] * len(text)]


def cells(row):
    return [plain(cell.strip()) for cell in re.split(r"(?<!\\)\|", row.strip().strip("|"))]


def table(rows):
    header, body = cells(rows[0]), [cells(row) for row in rows[2:]]
    widths = [max(len(row[i]) for row in [header] + body) for i in range(len(header))]
    if sum(widths) + 2 * (len(widths) - 1) <= WIDTH:
        line = lambda row: "  ".join(cell.ljust(width) for cell, width in zip(row, widths)).rstrip()
        return [line(header), line(["-" * width for width in widths])] + [line(row) for row in body]
    out = []
    for row in body:
        if len(row) == 2:  # a name and what it means
            out += wrapped(f"{row[0]}: {row[1]}", "- ", "  ")
            continue
        out += wrapped(row[0], "- ", "  ")
        for name, cell in zip(header[1:], row[1:]):
            out += wrapped(f"{name}: {cell}", "  ", "    ")
    return out


def blocks(markdown):
    """The text's blocks, as (kind, lines): heading, code, table, item, paragraph."""
    lines = markdown.split("\n")
    i = 0
    while i < len(lines):
        line = lines[i]
        if not line.strip():
            i += 1
        elif line.startswith("```"):
            end = lines.index("```", i + 1)
            yield "code", lines[i + 1:end]
            i = end + 1
        elif line.startswith("#"):
            yield "heading", [line]
            i += 1
        else:
            start = i
            i += 1
            kind = "table" if line.startswith("|") else "item" if re.match(r"(- |\d+\. )", line) else "paragraph"
            while i < len(lines) and lines[i].strip() and not lines[i].startswith(("```", "#")):
                if kind == "table" and not lines[i].startswith("|"):
                    break
                if kind != "table" and (lines[i].startswith("|") or re.match(r"(- |\d+\. )", lines[i])):
                    break
                i += 1
            yield kind, lines[start:i]


def render(markdown):
    out = []
    previous = None
    for kind, lines in blocks(re.sub(r"<!--.*?-->\n*", "", markdown, flags=re.S)):
        # Blocks stand a blank line apart, but the items of a list follow each other.
        if previous is not None and not (kind == previous == "item"):
            out.append("")
        previous = kind
        if kind == "heading":
            marks, text = lines[0].split(" ", 1)
            out += heading(len(marks), text)
        elif kind == "code":
            out += ["    " + line if line else "" for line in lines]
        elif kind == "table":
            out += table(lines)
        elif kind == "item":
            bullet = re.match(r"(- |\d+\. )", lines[0]).group(1)
            out += wrapped(" ".join(line.strip() for line in lines)[len(bullet):], bullet, " " * len(bullet))
        else:
            out += wrapped(" ".join(line.strip() for line in lines), "", "")
    return re.sub(r"\n{3,}", "\n\n", "\n".join(out)).strip("\n") + "\n"


def main():
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    version, readme, lines, settings = sys.argv[1:]
    read = lambda path: open(path, encoding="utf-8").read()
    own = read(lines).split("\n", 1)[1]  # without its title: README.md gives the section its own
    guide = read(readme).replace("@VERSION@", version).replace("@OWN_LINES@", demoted(own, 1).strip("\n"))
    sys.stdout.write(render(guide + "\n" + demoted(read(settings), 1)))


if __name__ == "__main__":
    main()
