#!/usr/bin/python3
"""Turns the manual's source (docs/quorlin.txt, whose head describes its form) into the manual
page quorlin(1) or into the help texts the program prints:

    quorlin-doc.py man SOURCE VERSION OUT    the roff page
    quorlin-doc.py help SOURCE OUT           a C++ fragment: kGeneralHelp and kTopics
"""
import datetime
import os
import re
import sys


class Section:
    def __init__(self, title, flags):
        self.title = title
        self.flags = flags
        self.lines = []
        self.commands = []


class Command:
    def __init__(self, name, args, summary):
        self.name = name
        self.args = args
        self.summary = summary
        self.lines = []


def fail(source, number, message):
    sys.exit(f"{source}:{number}: {message}")


def read_source(source):
    sections = []
    target = None
    with open(source, encoding="ascii") as f:
        for number, raw in enumerate(f, 1):
            line = raw.rstrip("\n").rstrip()
            if line.startswith("#"):
                continue
            if line.startswith("@section "):
                match = re.fullmatch(r"@section ([A-Z][A-Z ]*?)\s*(?:\{(.*)\})?", line)
                if not match:
                    fail(source, number, "expected @section TITLE {FLAGS}")
                flags = [f.strip() for f in (match.group(2) or "").split(",") if f.strip()]
                sections.append(Section(match.group(1), flags))
                target = sections[-1]
            elif line.startswith("@command "):
                match = re.fullmatch(r"@command (\w+) ?(.*?)\s*\{(.+)\}", line)
                if not match or not sections:
                    fail(source, number, "expected @command NAME ARGS {SUMMARY} in a section")
                command = Command(match.group(1), match.group(2), match.group(3))
                sections[-1].commands.append(command)
                target = command
            elif line.startswith("@"):
                fail(source, number, "unknown line " + line.split()[0])
            elif target is None:
                if line:
                    fail(source, number, "text before the first @section")
            else:
                if len(line) > 79 and not line.startswith("  "):
                    fail(source, number, "a text line longer than 79 columns")
                target.lines.append(line)
    return sections


def trimmed(lines):
    start, end = 0, len(lines)
    while start < end and not lines[start]:
        start += 1
    while end > start and not lines[end - 1]:
        end -= 1
    return lines[start:end]


def indent(line):
    return len(line) - len(line.lstrip(" "))


def blocks(lines):
    """Splits text into ("para", lines), ("items", [(term, description lines)]) and
    ("pre", lines) blocks, by the source's indentation rules."""
    result = []
    i = 0
    lines = trimmed(lines)
    while i < len(lines):
        if not lines[i]:
            i += 1
            continue
        # A block ends at a blank line; a paragraph also where indented lines begin.
        end = i + 1
        while end < len(lines) and lines[end] and (indent(lines[i]) > 0 or indent(lines[end]) == 0):
            end += 1
        group = lines[i:end]
        if indent(group[0]) == 0:
            result.append(("para", group))
        elif indent(group[0]) == 2 and len(group) > 1 and indent(group[1]) >= 6:
            items = []
            for line in group:
                if indent(line) == 2:
                    items.append((line.strip(), []))
                else:
                    items[-1][1].append(line.strip())
            result.append(("items", items))
        else:
            result.append(("pre", [line[2:] for line in group]))
        i = end
    return result


# ---- Help texts: the source's lines as written.


def help_heading(section):
    for flag in section.flags:
        if flag.startswith("heading "):
            return flag[len("heading "):] + ":"
    if "no heading" in section.flags:
        return None
    return section.title.capitalize() + ":"


def section_help(section):
    out = []
    heading = help_heading(section)
    if heading:
        out.append(heading)
    out += trimmed(section.lines)
    return out


def command_usage(command):
    args = command.args if "[OPTIONS]" in command.args else ("[OPTIONS] " + command.args).strip()
    return f"Usage: quorlin {command.name} {args}"


def help_texts(sections):
    general = []
    topics = []
    common = [s for s in sections if "command" in s.flags]
    for section in sections:
        if "help" in section.flags:
            if general:
                general.append("")
            if section.commands:
                general.append(help_heading(section) or "")
                width = max(len(c.name) for c in section.commands) + 2
                for c in section.commands:
                    general.append(f"  {c.name.ljust(width)}{c.summary}")
                if trimmed(section.lines):
                    general += [""] + trimmed(section.lines)
            else:
                general += section_help(section)
        for command in section.commands:
            text = [command_usage(command), command.summary[0].upper() + command.summary[1:] + "."]
            text += [""] + trimmed(command.lines)
            for shared in common:
                text += [""] + section_help(shared)
            topics.append((command.name, text))
        for flag in section.flags:
            if flag.startswith("topic "):
                topics.append((flag[len("topic "):], section_help(section)))
    return general, topics


def cpp_string(lines):
    text = "\n".join(lines) + "\n"
    if ")help\"" in text:
        sys.exit("the help text holds the raw string's end, )help\"")
    return 'R"help(' + text + ')help"'


def write_help(sections, out):
    general, topics = help_texts(sections)
    with open(out, "w", encoding="ascii") as f:
        f.write("// Made by scripts/quorlin-doc.py from docs/quorlin.txt; edit that file.\n")
        f.write(f"constexpr std::string_view kGeneralHelp = {cpp_string(general)};\n")
        f.write("constexpr HelpTopic kTopics[] = {\n")
        for name, text in topics:
            f.write(f'    {{"{name}", {cpp_string(text)}}},\n')
        f.write("};\n")


# ---- The manual page.


def roff(text):
    text = text.replace("\\", "\\e").replace("-", "\\-")
    if text.startswith((".", "'")):
        text = "\\&" + text
    return text


def roff_term(term):
    words = []
    for position, word in enumerate(term.split(" ")):
        style = "B" if position == 0 or word.startswith("-") else "I"
        words.append(f"\\f{style}{roff(word)}\\fR" if word else "")
    return " ".join(words)


def man_blocks(lines):
    out = []
    for kind, content in blocks(lines):
        if kind == "para":
            out.append(".PP")
            out += [roff(line) for line in content]
        elif kind == "items":
            for term, description in content:
                out += [".TP", roff_term(term)] + [roff(line) for line in description]
        else:
            out += [".PP", ".RS 2", ".EX"] + [roff(line) for line in content] + [".EE", ".RE"]
    return out


def write_man(sections, source, version, out):
    stamp = int(os.environ.get("SOURCE_DATE_EPOCH", os.path.getmtime(source)))
    date = datetime.datetime.fromtimestamp(stamp, datetime.timezone.utc).strftime("%Y-%m-%d")
    page = [
        '.\\" Made by scripts/quorlin-doc.py from docs/quorlin.txt; edit that file.',
        f'.TH QUORLIN 1 {date} "quorlin {version}" "User Commands"',
    ]
    for section in sections:
        page.append(f".SH {section.title}")
        if section.title == "NAME":
            page.append(roff(" ".join(trimmed(section.lines))))
            continue
        page += man_blocks(section.lines)
        for command in section.commands:
            page.append(f'.SS "{roff(command.name + " " + command.args)}"')
            page += [roff(command.summary[0].upper() + command.summary[1:] + ".")]
            page += man_blocks(command.lines)
    with open(out, "w", encoding="ascii") as f:
        f.write("\n".join(page) + "\n")


def main():
    if len(sys.argv) == 5 and sys.argv[1] == "man":
        write_man(read_source(sys.argv[2]), sys.argv[2], sys.argv[3], sys.argv[4])
    elif len(sys.argv) == 4 and sys.argv[1] == "help":
        write_help(read_source(sys.argv[2]), sys.argv[3])
    else:
        sys.exit(__doc__)


main()
