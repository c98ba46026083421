#!/usr/bin/env python3
"""Counts code lines: every line of C and C++ source that is neither blank
nor only a comment.

    tools/count_lines.py [-v]

Prints the count of the library (Source/ and include/) and of the tests
(tests/), and the tests as a share of the library. Only .c, .cpp and .h
files count; build scripts, the resource script and the export list do not.
"""

import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
C_LIKE = {".c", ".cpp", ".h"}


def code_lines(path):
    text = path.read_text(encoding="utf-8", errors="replace")
    suffix = path.suffix.lower()
    count = 0
    in_block = False
    for raw in text.splitlines():
        line = raw.strip()
        if suffix in C_LIKE:
            # Remove block comments, then a trailing line comment.
            rest = ""
            i = 0
            while i < len(line):
                if in_block:
                    end = line.find("*/", i)
                    if end < 0:
                        i = len(line)
                    else:
                        in_block = False
                        i = end + 2
                    continue
                start = line.find("/*", i)
                slash = line.find("//", i)
                if slash >= 0 and (start < 0 or slash < start):
                    rest += line[i:slash]
                    break
                if start < 0:
                    rest += line[i:]
                    break
                rest += line[i:start]
                in_block = True
                i = start + 2
            line = rest.strip()
        if line:
            count += 1
    return count


def counted(folder):
    files = [p for p in sorted((ROOT / folder).rglob("*")) if p.is_file()
             and p.suffix.lower() in C_LIKE]
    return [(p, code_lines(p)) for p in files]


def main():
    verbose = "-v" in sys.argv[1:]
    library = counted("Source") + counted("include")
    tests = counted("tests")
    lib_total = sum(n for _, n in library)
    test_total = sum(n for _, n in tests)
    if verbose:
        for path, n in tests:
            print("%6d  %s" % (n, path.relative_to(ROOT)))
    print("library %d lines, tests %d lines: tests are %.1f%% of the library" % (
        lib_total, test_total, 100.0 * test_total / lib_total))
    return 0


if __name__ == "__main__":
    sys.exit(main())
