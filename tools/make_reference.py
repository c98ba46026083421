#!/usr/bin/env python3
"""Writes the API reference (docs/reference.md) from include/qelbox.h.

    make_reference.py [HEADER] [OUTPUT]     write the reference
    make_reference.py --check [HEADER] [REFERENCE]
                                            fail when REFERENCE differs from
                                            what the header gives, or when an
                                            exported function is undocumented

The header is the single source: its sections (the boxed titles) become
the reference's sections, the comment directly above a declaration (or a
run of declarations) documents those functions, comments standing alone
become text, and the notification codes become a table. Structures,
constants and callback types are shown as they are declared.
"""
import difflib
import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FUNCTION = re.compile(r"^QELBOXAPI .*?\b(?:WINAPI|CALLBACK) (\w+)\(")
RULE = re.compile(r"^/\* -{20,} \*/$")
TITLE = re.compile(r"^/\* (.*?)\s*\*/$")
QELBOXN_LBUTTON = 30  # codes from here on are mouse click codes, shown as code
NOTIFICATION = re.compile(r"^#define (QELBOXN_[A-Z]+) (\d+)$")
SKIPPED = re.compile(r"^(#ifndef QELBOX_H|#define QELBOX_H|#endif /\* QELBOX_H|#include|"
                     r"#ifdef __cplusplus|extern \"C\"|}$|#endif$|QELBOX_STATIC_ASSERT|"
                     r"#if defined\(_WIN64\)|#else$)")


def comment_text(lines):
    """The text of a /* ... */ block, without the comment marks."""
    text = []
    for i, line in enumerate(lines):
        if i == 0:
            line = line[2:].lstrip(" ")
        elif line.startswith(" * ") or line.rstrip() == " *":
            line = line[3:]
        elif line.startswith("   "):
            line = line[3:]
        if line.rstrip().endswith("*/"):
            line = line.rstrip()[:-2].rstrip()
        text.append(line.rstrip())
    return text


def prose(lines):
    """Comment text as Markdown: asterisks are not emphasis."""
    return "\n".join(l.replace("*", "\\*") for l in lines).strip()


def anchor(title):
    slug = re.sub(r"[^a-z0-9 _-]", "", title.lower()).strip().replace(" ", "-")
    return slug


class Section:
    def __init__(self, title):
        self.title = title
        self.parts = []  # ("text", str) | ("code", [lines]) | ("functions", [decl], [doc])
        self.notifications = []  # (name, code, [doc])


def parse(header_lines):
    sections = [Section("Introduction")]
    pending = None  # comment lines waiting for what follows them
    i = 0
    n = len(header_lines)
    in_layout_checks = False
    while i < n:
        line = header_lines[i]
        section = sections[-1]
        if RULE.match(line) and i + 2 < n and RULE.match(header_lines[i + 2]):
            if pending:
                section.parts.append(("text", prose(pending)))
                pending = None
            sections.append(Section(TITLE.match(header_lines[i + 1]).group(1)))
            in_layout_checks = sections[-1].title.startswith("Layout checks")
            i += 3
            continue
        if line.startswith("/*"):
            block = [line]
            while not block[-1].rstrip().endswith("*/"):
                i += 1
                block.append(header_lines[i])
            i += 1
            if pending:
                section.parts.append(("text", prose(pending)))
            pending = comment_text(block)
            continue
        if not line.strip():
            if pending:
                section.parts.append(("text", prose(pending)))
                pending = None
            i += 1
            continue
        if FUNCTION.match(line):
            decls = []
            while i < n and FUNCTION.match(header_lines[i]):
                decl = [header_lines[i]]
                while not decl[-1].rstrip().endswith(";"):
                    i += 1
                    decl.append(header_lines[i])
                decls.append(" ".join(l.strip() for l in decl).replace("( ", "("))
                i += 1
            section.parts.append(("functions", decls, pending or []))
            pending = None
            continue
        m = NOTIFICATION.match(line)
        if m and pending is not None and int(m.group(2)) < QELBOXN_LBUTTON:
            section.notifications.append((m.group(1), int(m.group(2)), pending))
            pending = None
            i += 1
            continue
        if SKIPPED.match(line) or in_layout_checks and not line.startswith("/*"):
            if pending and not in_layout_checks:
                section.parts.append(("text", prose(pending)))
            pending = None
            i += 1
            continue
        # Declarations shown as they are: up to the next blank line, comment
        # kept with them.
        code = ["/* " + "\n   ".join(pending) + " */"] if pending else []
        pending = None
        while i < n and header_lines[i].strip() and not header_lines[i].startswith("/* ---") \
                and not FUNCTION.match(header_lines[i]) and not SKIPPED.match(header_lines[i]):
            code.append(header_lines[i])
            i += 1
        section.parts.append(("code", code))
    return sections


def function_name(decl):
    return FUNCTION.match(decl).group(1)


def render(sections):
    out = ["# QelBox API reference", "",
           "Generated from `include/qelbox.h` by `tools/make_reference.py`; do not edit by hand.",
           "Every exported function is listed in its section with its declaration and what "
           "it does.", ""]
    names = sorted(function_name(d) for s in sections for p in s.parts if p[0] == "functions"
                   for d in p[1])
    out += ["## Contents", ""]
    for s in sections:
        if s.parts or s.notifications:
            out.append("- [%s](#%s)" % (s.title, anchor(s.title)))
    out += ["- [Index of functions](#index-of-functions)", ""]
    for s in sections:
        if not (s.parts or s.notifications):
            continue
        out += ["## " + s.title, ""]
        if s.notifications:
            # The section's leading text (the order of notifications) first.
            for part in s.parts:
                if part[0] == "text":
                    out += [part[1], ""]
                    break
            out += ["| Code | Name | Sent when |", "|---|---|---|"]
            for name, code, doc in s.notifications:
                out.append("| %d | `%s` | %s |" % (code, name, prose(doc).replace("\n", " ")))
            out.append("")
            rest = list(s.parts)
            for k, part in enumerate(rest):
                if part[0] == "text":
                    del rest[k]
                    break
        else:
            rest = s.parts
        for part in rest:
            if part[0] == "text":
                out += [part[1], ""]
            elif part[0] == "code":
                out += ["```c"] + part[1] + ["```", ""]
            else:
                decls, doc = part[1], part[2]
                out.append("### " + ", ".join("`%s`" % function_name(d) for d in decls))
                out += ["", "```c"] + decls + ["```", ""]
                if doc:
                    out += [prose(doc), ""]
    out += ["## Index of functions", ""]
    out += ["- `%s`" % name for name in names]
    out.append("")
    return "\n".join(out)


def undocumented(sections):
    return [function_name(d) for s in sections for p in s.parts
            if p[0] == "functions" and not "".join(p[2]).strip() for d in p[1]]


def main(argv):
    check = "--check" in argv
    args = [a for a in argv if a != "--check"]
    header = args[0] if args else os.path.join(ROOT, "include", "qelbox.h")
    output = args[1] if len(args) > 1 else os.path.join(ROOT, "docs", "reference.md")
    with open(header, encoding="utf-8") as f:
        sections = parse(f.read().split("\n"))
    text = render(sections)
    missing = undocumented(sections)
    if missing:
        print("exported functions without documentation in the header:", " ".join(missing))
    if not check:
        with open(output, "w", encoding="utf-8", newline="\n") as f:
            f.write(text)
        return 1 if missing else 0
    with open(output, encoding="utf-8") as f:
        committed = f.read()
    if committed != text:
        sys.stdout.writelines(difflib.unified_diff(committed.splitlines(True),
                                                   text.splitlines(True), output, "from header"))
        print("%s is out of date: run tools/make_reference.py" % output)
        return 1
    count = sum(len(p[1]) for s in sections for p in s.parts if p[0] == "functions")
    print("%s matches the header; %d functions, all documented" % (output, count)
          if not missing else "")
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
