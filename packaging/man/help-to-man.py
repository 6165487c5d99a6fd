#!/usr/bin/env python3
"""Makes a manual page from a template and the program's own --help text.

  help-to-man.py TEMPLATE PROGRAM METAINFO OUTPUT

writes OUTPUT (roff) and OUTPUT.gz. The program's --help is the one description of its options
and subcommands: the page takes them from there, so the two cannot disagree. In the template,
these lines alone on a line are replaced:

  @SYNOPSIS@     the usage lines of PROGRAM --help, then those of each subcommand
  @DESCRIPTION@  the paragraphs of PROGRAM --help
  @OPTIONS@      its list of options (or of subcommands), one tagged paragraph each
  @SUBCOMMANDS@  for each subcommand in that list, a subsection with its whole --help

and @VERSION@ and @DATE@ anywhere become the newest release in METAINFO. The help text is read
as plain text laid out the usual way: "usage:" lines first; paragraphs; lists whose entries are
indented two spaces, with the entry's name, two or more spaces, its description, and further
lines of the description indented deeper; a line ending in ":" before a list is its heading.
A heading "Subcommands:" names the subcommands, each of which answers "PROGRAM NAME --help".
"""
import gzip
import re
import subprocess
import sys
import xml.etree.ElementTree as ET


def help_text(*command):
    result = subprocess.run([*command, "--help"], capture_output=True, text=True, check=True,
                            env={"LC_ALL": "C.UTF-8", "PATH": "/usr/bin:/bin"})
    return result.stdout


def parse(text):
    """Usage lines, and blocks: ("para", [lines]), ("list", heading, [[name, description]])."""
    lines = text.rstrip("\n").split("\n")
    usage = []
    if lines and lines[0].lower().startswith("usage:"):
        usage.append(lines.pop(0).split(":", 1)[1].strip())
        while lines and lines[0].startswith(" ") and lines[0].strip():
            usage.append(lines.pop(0).strip())
    blocks = []
    for line in lines + [""]:
        if not line.strip():
            blocks.append(None)  # a blank line ends a paragraph
        elif line.startswith("  ") and not line.startswith("   ") and line.strip():
            name, _, description = re.split(r"( {2,}|$)", line.strip(), maxsplit=1)
            if not blocks or not blocks[-1] or blocks[-1][0] != "list":
                heading = ""
                if blocks and blocks[-1] and blocks[-1][0] == "para" and blocks[-1][1][-1].endswith(":"):
                    heading = blocks[-1][1].pop()
                    if not blocks[-1][1]:
                        blocks.pop()
                blocks.append(["list", heading, []])
            blocks[-1][2].append([name, description.strip()])
        elif line.startswith("   ") and blocks and blocks[-1] and blocks[-1][0] == "list":
            entry = blocks[-1][2][-1]
            entry[1] = (entry[1] + " " + line.strip()).strip()
        elif blocks and blocks[-1] and blocks[-1][0] == "para":
            blocks[-1][1].append(line.strip())
        else:
            blocks.append(["para", [line.strip()]])
    return usage, [b for b in blocks if b]


def escape(text):
    text = text.replace("\\", "\\e").replace("-", "\\-")
    text = "".join(c if ord(c) < 128 else f"\\[u{ord(c):04X}]" for c in text)
    if text.endswith(("e.g.", "i.e.")):
        text += "\\&"  # not the end of a sentence
    return "\\&" + text if text.startswith((".", "'")) else text


def bold_options(text):
    """Escaped text with the options it names (--hands, -h) in bold."""
    return re.sub(r"(?<![\w\\-])((?:\\-){1,2}[A-Za-z][\w]*(?:\\-[\w]+)*)", r"\\fB\1\\fR",
                  escape(text))


def synopsis_line(line, words_in_bold):
    """The program (and subcommand) in bold, options in bold, placeholders in italics."""
    out = []
    for i, word in enumerate(line.split(" ")):
        lead, core, tail = re.match(r"^([\[\]|]*)(.*?)([\[\].,|]*)$", word).groups()
        if i < words_in_bold or core.startswith("-"):
            core = f"\\fB{escape(core)}\\fR" if core else core
        elif re.fullmatch(r"[A-Z][A-Z0-9_]*|<[^>]+>", core):
            core = f"\\fI{escape(core)}\\fR"
        else:
            core = escape(core)
        out.append(escape(lead) + core + escape(tail))
    return " ".join(out)


def render_synopsis(usage, words_in_bold):
    return "\n.br\n".join(synopsis_line(u, words_in_bold) for u in usage)


def render_blocks(blocks, kinds):
    out = []
    for block in blocks:
        if block[0] not in kinds:
            continue
        if block[0] == "para":
            out += [".PP"] + [bold_options(line) for line in block[1]]
            continue
        for name, description in block[2]:
            out += [".TP", synopsis_line(name, 1 if not name.startswith("-") else 0),
                    bold_options(description)]
    return "\n".join(out)


def subcommands(blocks):
    return [name for b in blocks if b[0] == "list" and b[1] == "Subcommands:" for name, _ in b[2]]


def main(template_path, program, metainfo, output):
    usage, blocks = parse(help_text(program))
    subs = [(name, *parse(help_text(program, name))) for name in subcommands(blocks)]
    release = ET.parse(metainfo).getroot().find("releases/release")
    parts = {
        "@SYNOPSIS@": "\n.br\n".join([render_synopsis(usage, 1)] +
                                     [render_synopsis(u, 2) for _, u, _ in subs]),
        "@DESCRIPTION@": render_blocks(blocks, {"para"}),
        "@OPTIONS@": render_blocks(blocks, {"list"}),
        "@SUBCOMMANDS@": "\n".join(f".SS {name}\n.PP\n{render_synopsis(u, 2)}\n"
                                   f"{render_blocks(b, {'para', 'list'})}" for name, u, b in subs),
    }
    with open(template_path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    page = "\n".join(parts.get(line.strip(), line) for line in lines)
    # No empty lines (roff prints them), nor a paragraph mark just after a heading.
    page = re.sub(r"^(\.S[HS] .*)\n\.PP$", r"\1", re.sub(r"\n+", "\n", page), flags=re.M)
    page = page.replace("@VERSION@", release.get("version")).replace("@DATE@", release.get("date"))
    with open(output, "w", encoding="utf-8") as f:
        f.write(page)
    # As Debian compresses its pages: best compression, no name or time stamp inside.
    with open(output + ".gz", "wb") as raw, gzip.GzipFile("", "wb", 9, raw, mtime=0) as f:
        f.write(page.encode("utf-8"))


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    main(*sys.argv[1:])
